#include "shell/web_pages.h"

#include "platform/web_browser.h"

namespace modHelp {
namespace {
void open(const char* site, const char* path)
{
    platform::OpenWebPage(QString::fromLatin1(site) + QString::fromLatin1(path));
}
} // namespace

void GoToHomePage() { open(MainSite, ""); }
void GoToOnlineHelp() { open(ProductSite, "/Orvanel-help.html"); }
void GoToDownload() { open(ProductSite, "/download-Orvanel.html"); }
void GoToFullyBranded() { open(HelpSite, "/fully-branded.html"); }
void GoToCoBrand() { open(HelpSite, "/co-brand.html"); }
void GoToKesterly() { open(MainSite, "/kesterly"); }

} // namespace modHelp
