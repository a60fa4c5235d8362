#include "shell/ReferFriend.h"

#include "desktop/MessageBoxes.h"
#include "desktop/UrlOpener.h"
#include "desktop/WebAddresses.h"

#include <QUrl>

#include <array>

QString referralName;
QString referralEmail;
QString referralMessage;
QString referralFriendName;
QString referralFriendEmail;
QString referralAddress;

namespace {

struct RequiredField
{
    const QString* value;
    const char* placeholder;
    const char* missingMessage;
};

// In the order the form checks them.
const std::array<RequiredField, 5> requiredFields {{
    {&referralName, ReferralPlaceholders::name, "Please Enter Your Name"},
    {&referralEmail, ReferralPlaceholders::email, "Please Enter Your Email"},
    {&referralMessage, ReferralPlaceholders::message, "Please Enter Your Message"},
    {&referralFriendName, ReferralPlaceholders::friendName, "Please Enter Your Friend's Name"},
    {&referralFriendEmail, ReferralPlaceholders::friendEmail, "Please Enter Your Friend's Email"},
}};

QByteArray encoded(const QString& value)
{
    return QUrl::toPercentEncoding(value);
}

} // namespace

void ReferFriend(QWidget* parent)
{
    for (const RequiredField& field : requiredFields) {
        if (field.value->isEmpty() || *field.value == QString::fromUtf8(field.placeholder)) {
            MessageBoxes::error(parent, QString::fromUtf8(field.missingMessage));
            return;
        }
    }
    referralAddress = buildReferralAddress();
    OpenReferralPage();
}

QString buildReferralAddress()
{
    const QByteArray address = QByteArray(WebAddresses::referralPage) + "?" + "taf1=" + encoded(referralName)
        + "&taf2=" + encoded(referralEmail) + "&taf3=" + encoded(referralMessage)
        + "&taf4=" + encoded(referralFriendName) + "&taf5=" + encoded(referralFriendEmail)
        + "&taf6=" + encoded(QString::fromLatin1(WebAddresses::programFolder));
    return QString::fromLatin1(address);
}

void OpenReferralPage()
{
    UrlOpener::instance().open(QUrl::fromEncoded(referralAddress.toLatin1(), QUrl::StrictMode));
}
