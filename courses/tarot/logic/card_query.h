#pragma once
// The card set chosen on the settings tab, and its query.
#include <QString>
#include <array>

namespace tarot {

// The arcana and suit boxes as the settings page decides them.
struct CardChoice {
    bool Major = true;
    bool Minor = true;
    // Cups, Wands, Pentacles, Swords.
    std::array<bool, 4> Suits{true, true, true, true};

    // The selection check: at least one arcana is chosen.
    bool AnyArcana() const { return Major || Minor; }
};

// "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) ... ORDER BY ID": group 0 when major is
// set, group i + 1 for each suit i (Cups, Wands, Pentacles, Swords) that counts.
QString BuildCardQuery(bool major, const std::array<bool, 4>& suits);
// The query of a choice: a suit counts only while the minor arcana is chosen.
QString BuildCardQuery(const CardChoice& choice);

} // namespace tarot
