#pragma once
// The refer-a-friend form's values, their checks and the page address built from them.
#include <QString>

namespace modTellAFriend {

// The texts the five boxes start with; each doubles as the box's label.
inline constexpr char YourNamePlaceholder[] = "Your Name";
inline constexpr char YourEmailPlaceholder[] = "Your Email Address";
inline constexpr char YourMessagePlaceholder[] = "Your Message";
inline constexpr char FriendNamePlaceholder[] = "Friend's Name";
inline constexpr char FriendEmailPlaceholder[] = "Friend's Email Address";

// The texts of the five boxes as a press of "Refer A Friend &Now" sends them, trimmed of blanks.
struct ReferAFriendForm {
    QString YourName;
    QString YourEmail;
    QString YourMessage;
    QString FriendName;
    QString FriendEmail;
};

// The maker's refer-a-friend page, without a query.
QString ReferAFriendPage();
// The product site's root address, sent as taf6.
QString ProductSiteAddress();

// The page address with the query taf1..taf6 in that order. Every value is
// percent-encoded, so an "&", "=" or line break in it cannot split the query.
QString BuildReferAFriendURL(const ReferAFriendForm& form);

// Checks the form's name, message and friend's name (a message box names the first one
// missing), then builds the page address and opens it.
void ReferAFriend(const ReferAFriendForm& form);
// Opens the page address in the default browser.
void GoToReferAFriend(const QString& referAFriendURL);

} // namespace modTellAFriend
