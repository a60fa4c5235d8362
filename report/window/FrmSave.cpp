#include "report/window/FrmSave.h"

#include "desktop/FileDialogs.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessageBoxes.h"
#include "desktop/OfferFrame.h"
#include "desktop/PageOpeners.h"
#include "desktop/Printing.h"
#include "desktop/ProgramWindow.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "report/BirFile.h"
#include "report/ReportComposer.h"
#include "report/window/ReportLinks.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Qt's dialogs ask before replacing a file unless told otherwise; a name typed without an ending gets ".bir". The
// type box shows the description alone, "Rich Text Format", without its pattern.
FileDialogRequest saveDialogRequest()
{
    return {QStringLiteral("Save Your Birth Star Details"), QStringLiteral("Rich Text Format (*.bir)"),
            QStringLiteral("bir"), QFileDialog::HideNameFilterDetails};
}

QString discussionBoardPraise()
{
    return QStringLiteral("Our discussion board is the friendliest place on the web to talk about Vedic astrology, "
                          "birth stars and everything in between.");
}

QString siteInvitation()
{
    return QStringLiteral("Visit %1 now for more astrology software, articles and free readings.")
        .arg(QString::fromLatin1(WebAddresses::siteName));
}

QString unstorableNotice(const QString& characters)
{
    QStringList listed;
    for (const char32_t codePoint : characters.toUcs4()) {
        listed.append(QString::fromUcs4(&codePoint, 1));
    }
    return QStringLiteral("A saved reading cannot hold these characters of the name, so they will be left out of "
                          "the file: %1")
        .arg(listed.join(QLatin1Char(' ')));
}

} // namespace

FrmSave::FrmSave(QWidget* parent)
    : QDialog(parent)
    , m_RTB(new QTextEdit)
    , m_cmdSave(new QPushButton(QStringLiteral("&Save")))
    , m_cmdPrint(new QPushButton(QStringLiteral("&Print")))
    , m_Label14(new LinkLabel)
    , m_Label3(new LinkLabel)
    , m_offers(new OfferFrame)
{
    setUpProgramWindow(this, "frmSave");
    buildWindow();

    // The links are live before the report goes in, as they are for anything typed later.
    m_links = new ReportLinks(m_RTB);
    composeReport(m_RTB->document(), currentProfile);
    m_RTB->moveCursor(QTextCursor::Start); // the reader starts at the heading, not at the end of the report

    connect(m_cmdSave, &QPushButton::clicked, this, &FrmSave::cmdSave_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &FrmSave::cmdPrint_Click);
    connect(m_Label14, &LinkLabel::clicked, this, [] { OpenHomePage(); });
    connect(m_Label3, &LinkLabel::clicked, this, [] { OpenHomePage(); });
}

void FrmSave::buildWindow()
{
    m_RTB->setObjectName(QStringLiteral("RTB"));
    m_RTB->setAccessibleName(QStringLiteral("Report")); // no visible label names the view
    // Tab moves on to the buttons and links, so the keyboard does not get caught in the view.
    m_RTB->setTabChangesFocus(true);
    // The user may add notes before printing; what the view holds is what prints.
    m_RTB->setAcceptRichText(false);
    m_RTB->setFont(reportFont());
    m_RTB->setMinimumSize(560, 360);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    for (QPushButton* button : {m_cmdSave, m_cmdPrint}) {
        button->setAutoDefault(false);
    }
    m_Label14->setObjectName(QStringLiteral("Label14"));
    m_Label14->setText(discussionBoardPraise());
    m_Label3->setObjectName(QStringLiteral("Label3"));
    m_Label3->setText(siteInvitation());

    auto* labels = new QVBoxLayout;
    labels->addWidget(m_Label14);
    labels->addWidget(m_Label3);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdSave);
    buttons->addWidget(m_cmdPrint);
    buttons->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addLayout(labels, 1);
    commands->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_RTB, 1);
    layout->addLayout(commands);
    layout->addWidget(m_offers);
    // The offer text would otherwise touch the frame's border.
    m_offers->layout()->setContentsMargins(6, 4, 6, 4);
    resize(700, 640);

    setTabOrder(m_RTB, m_cmdSave);
    setTabOrder(m_cmdSave, m_cmdPrint);
    setTabOrder(m_cmdPrint, m_Label14);
    setTabOrder(m_Label14, m_Label3);
}

void FrmSave::cmdSave_Click()
{
    const QString path = FileDialogs::instance().getSaveFileName(this, saveDialogRequest());
    if (path.isEmpty()) {
        return;
    }
    const QString lost = BirFile::unstorableCharacters(QString::fromStdString(currentBirthData.name));
    if (!lost.isEmpty()) {
        MessageBoxes::information(this, unstorableNotice(lost));
    }
    // The new content replaces the old only once it is completely written, so a failed save keeps the old file.
    QSaveFile file(path);
    QString reason;
    const bool saved
        = file.open(QIODevice::WriteOnly) && BirFile::write(&file, currentBirthData, &reason) && file.commit();
    if (!saved) {
        if (reason.isEmpty()) {
            reason = file.errorString();
        }
        file.cancelWriting();
        MessageBoxes::error(this, QStringLiteral("The reading could not be saved to \"%1\". %2").arg(path, reason));
    }
}

void FrmSave::cmdPrint_Click()
{
    QTextCursor cursor = m_RTB->textCursor();
    cursor.clearSelection();
    m_RTB->setTextCursor(cursor);
    QString reason;
    if (!Printing::instance().print(*m_RTB->document(), &reason)) {
        MessageBoxes::error(this, QStringLiteral("The report could not be printed. %1").arg(reason));
    }
}
