#pragma once
// The query of the card set chosen on the settings tab.
#include <QString>
#include <array>

namespace tarot {

// "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) ... ORDER BY ID": group 0 when major is
// set, group i + 1 for each suit i (Cups, Wands, Pentacles, Swords) that counts.
QString BuildCardQuery(bool major, const std::array<bool, 4>& suits);

} // namespace tarot
