#include "shell/modTellAFriend.h"

#include <QUrl>

#include "platform/message_box.h"
#include "platform/web_browser.h"
#include "shell/web_pages.h"

namespace modTellAFriend {

QString YourName;
QString YourEmail;
QString YourMessage;
QString FriendName;
QString FriendEmail;
QString ReferAFriendURL;

namespace {
QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

// True when the stored value was left empty or still holds its box's placeholder.
bool missing(const QString& value, const char* placeholder)
{
    const QString trimmed = TrimBlanks(value);
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}
} // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString ReferAFriendPage() { return QString::fromLatin1(modHelp::MainSite) + QStringLiteral("/refer-a-friend.html"); }

QString ProductSiteAddress() { return QString::fromLatin1(modHelp::ProductSite) + QLatin1Char('/'); }

QString BuildReferAFriendURL(const QString& yourName, const QString& yourEmail, const QString& yourMessage,
                             const QString& friendName, const QString& friendEmail)
{
    return ReferAFriendPage() + QStringLiteral("?taf1=") + encoded(yourName) + QStringLiteral("&taf2=")
        + encoded(yourEmail) + QStringLiteral("&taf3=") + encoded(yourMessage) + QStringLiteral("&taf4=")
        + encoded(friendName) + QStringLiteral("&taf5=") + encoded(friendEmail) + QStringLiteral("&taf6=")
        + encoded(ProductSiteAddress());
}

void ReferAFriend()
{
    if (missing(YourName, YourNamePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Name"), platform::vbCritical);
        return;
    }
    if (missing(YourMessage, YourMessagePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Message"), platform::vbCritical);
        return;
    }
    if (missing(FriendName, FriendNamePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Friend's Name"), platform::vbCritical);
        return;
    }
    ReferAFriendURL = BuildReferAFriendURL(YourName, YourEmail, YourMessage, FriendName, FriendEmail);
    GoToReferAFriend();
}

void GoToReferAFriend() { platform::OpenWebPage(ReferAFriendURL); }

} // namespace modTellAFriend
