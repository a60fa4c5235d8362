#pragma once

#include "tests/support/WindowDriver.h"

#include <QMetaType>
#include <QString>

// The referral form of the exit screen, box by box.
struct ReferralForm
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

Q_DECLARE_METATYPE(ReferralForm)

// Drives the exit screen, frmExitScreen.
class FrmExitScreenDriver : public WindowDriver
{
public:
    explicit FrmExitScreenDriver(QWidget* window, CallSite where = CallSite());

    // The form's boxes by object name, in tab order.
    static const QStringList formBoxes;

    // Puts the form's values into its boxes directly, as if pasted.
    void fill(const ReferralForm& form) const;
    // Sets the text of one box of the form, whatever kind of box it is.
    void setText(const char* boxName, const QString& text) const;
    void submit() const { click("cmdSubmit"); }
    void pressExit() const { click("cmdClose"); }
};
