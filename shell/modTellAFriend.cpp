#include "shell/modTellAFriend.h"

#include <QUrl>

#include "platform/message_box.h"
#include "platform/plain_text.h"
#include "platform/web_browser.h"
#include "shell/web_pages.h"

namespace modTellAFriend {

namespace {
QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

// True when the value was left empty or still holds its box's placeholder.
bool missing(const QString& value, const char* placeholder)
{
    const QString trimmed = platform::TrimBlanks(value);
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}
} // namespace

QString ReferAFriendPage() { return QString::fromLatin1(modHelp::MainSite) + QStringLiteral("/refer-a-friend.html"); }

QString ProductSiteAddress() { return QString::fromLatin1(modHelp::ProductSite) + QLatin1Char('/'); }

QString BuildReferAFriendURL(const ReferAFriendForm& form)
{
    return ReferAFriendPage() + QStringLiteral("?taf1=") + encoded(form.YourName) + QStringLiteral("&taf2=")
        + encoded(form.YourEmail) + QStringLiteral("&taf3=") + encoded(form.YourMessage) + QStringLiteral("&taf4=")
        + encoded(form.FriendName) + QStringLiteral("&taf5=") + encoded(form.FriendEmail) + QStringLiteral("&taf6=")
        + encoded(ProductSiteAddress());
}

void ReferAFriend(const ReferAFriendForm& form)
{
    if (missing(form.YourName, YourNamePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Name"), platform::vbCritical);
        return;
    }
    if (missing(form.YourMessage, YourMessagePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Message"), platform::vbCritical);
        return;
    }
    if (missing(form.FriendName, FriendNamePlaceholder)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Friend's Name"), platform::vbCritical);
        return;
    }
    GoToReferAFriend(BuildReferAFriendURL(form));
}

void GoToReferAFriend(const QString& referAFriendURL) { platform::OpenWebPage(referAFriendURL); }

} // namespace modTellAFriend
