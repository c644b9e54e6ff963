#pragma once
// The maker's fixed web pages, each opened in the default browser.
#include <QString>

namespace modHelp {

inline constexpr char MainSite[] = "https://www.velmora.net";
inline constexpr char HelpSite[] = "https://help.velmora.net";
inline constexpr char ProductSite[] = "https://www.orvanel.net";

void GoToHomePage();
void GoToOnlineHelp();
void GoToDownload();
void GoToFullyBranded();
void GoToCoBrand();
void GoToKesterly();

} // namespace modHelp
