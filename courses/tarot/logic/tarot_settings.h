#pragma once
// The tarot course's values in the settings store, each declared once with its default and
// reading rule: the card choice, the test type and level, and the start in the tray.
#include <array>

#include "platform/setting.h"

namespace tarot_settings {

// The arcana and suit boxes, stored as their box values "1" (ticked) or "0"; ticked when absent.
inline const platform::Setting<int> MajorArcana = platform::WholeNumberSetting(QStringLiteral("MajorArcana"), 1, 0, 1);
inline const platform::Setting<int> MinorArcana = platform::WholeNumberSetting(QStringLiteral("MinorArcana"), 1, 0, 1);
inline const platform::Setting<int> Cups = platform::WholeNumberSetting(QStringLiteral("Cups"), 1, 0, 1);
inline const platform::Setting<int> Wands = platform::WholeNumberSetting(QStringLiteral("Wands"), 1, 0, 1);
inline const platform::Setting<int> Pentacles = platform::WholeNumberSetting(QStringLiteral("Pentacles"), 1, 0, 1);
inline const platform::Setting<int> Swords = platform::WholeNumberSetting(QStringLiteral("Swords"), 1, 0, 1);
// 0 the description test, 1 the keyword test (when absent).
inline const platform::Setting<int> TestType = platform::WholeNumberSetting(QStringLiteral("TestType"), 1, 0, 1);
// 0 Beginner (when absent), 1 Intermediate, 2 Advanced.
inline const platform::Setting<int> Difficulty = platform::WholeNumberSetting(QStringLiteral("Difficulty"), 0, 0, 2);
// "True" when the window starts in the tray in a run started at logon.
inline const platform::Setting<bool> RunAtSysTray = platform::TrueFalseSetting(QStringLiteral("RunAtSysTray"), false);

// The suits in the order of the suit boxes: Cups, Wands, Pentacles, Swords.
inline const std::array<const platform::Setting<int>*, 4> Suits = {&Cups, &Wands, &Pentacles, &Swords};

} // namespace tarot_settings
