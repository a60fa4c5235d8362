#include "tests/support/FrmExitScreenDriver.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

const QStringList FrmExitScreenDriver::formBoxes
    = {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};

FrmExitScreenDriver::FrmExitScreenDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmExitScreen", where)
{
}

void FrmExitScreenDriver::fill(const ReferralForm& form) const
{
    setText("txtName", form.name);
    setText("txtEmail", form.email);
    setText("txtMessage", form.message);
    setText("txtFriendName", form.friendName);
    setText("txtFriendEmail", form.friendEmail);
}

void FrmExitScreenDriver::setText(const char* boxName, const QString& text) const
{
    QWidget* box = child<QWidget>(boxName);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->setPlainText(text);
    } else {
        QTest::qFail(qPrintable(QStringLiteral("%1 takes no text").arg(QLatin1String(boxName))), __FILE__, __LINE__);
    }
}
