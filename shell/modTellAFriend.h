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

// The trimmed texts of the five boxes, stored by each press of "Refer A Friend &Now",
// and the last page address built. They keep their values until the program ends.
extern QString YourName;
extern QString YourEmail;
extern QString YourMessage;
extern QString FriendName;
extern QString FriendEmail;
extern QString ReferAFriendURL;

// Removes leading and trailing blanks (character 32) only; tabs and line breaks stay.
QString TrimBlanks(const QString& text);

// The maker's refer-a-friend page, without a query.
QString ReferAFriendPage();
// The product site's root address, sent as taf6.
QString ProductSiteAddress();

// The page address with the query taf1..taf6 in that order. Every value is
// percent-encoded, so an "&", "=" or line break in it cannot split the query.
QString BuildReferAFriendURL(const QString& yourName, const QString& yourEmail, const QString& yourMessage,
                             const QString& friendName, const QString& friendEmail);

// Checks the stored name, message and friend's name (a message box names the first one
// missing), then builds ReferAFriendURL and opens it.
void ReferAFriend();
// Opens ReferAFriendURL in the default browser.
void GoToReferAFriend();

} // namespace modTellAFriend
