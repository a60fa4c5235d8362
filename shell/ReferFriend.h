#pragma once

#include <QString>

class QWidget;

// The referral form's boxes start with these texts; a box still showing its text counts as empty.
namespace ReferralPlaceholders {
inline constexpr const char* name = "Your Name";
inline constexpr const char* email = "Your Email Address";
inline constexpr const char* message = "Your Message";
inline constexpr const char* friendName = "Friend's Name";
inline constexpr const char* friendEmail = "Friend's Email Address";
} // namespace ReferralPlaceholders

// The referral form's last submitted values, trimmed, and the page address built from them.
extern QString referralName;
extern QString referralEmail;
extern QString referralMessage;
extern QString referralFriendName;
extern QString referralFriendEmail;
extern QString referralAddress;

// Checks that the five referral values are filled in; shows the first missing one's message (error icon) over
// `parent`, or builds referralAddress and opens it.
void ReferFriend(QWidget* parent = nullptr);

// The refer-a-friend page with the five values and the program's folder as query values taf1 to taf6, each
// percent-encoded so that "&", "=", "#" or a space in a value cannot change the address.
QString buildReferralAddress();

// Hands referralAddress to the browser; failures are silent.
void OpenReferralPage();
