#pragma once
// The rune content: six parallel tables keyed by rune number 0..23 (Elder Futhark order),
// filled from built-in texts. Aett of rune r is r / 8.
#include <QString>
#include <array>

namespace modLearnRunes {

inline constexpr int RuneCount = 24;
inline constexpr int KeywordsPerRune = 4;
inline constexpr int AlternativeNamesPerRune = 3;
inline constexpr int AettCount = 3;

extern std::array<QString, RuneCount> StoneNames;
extern std::array<QString, RuneCount> UprightMeanings;
extern std::array<QString, RuneCount> ReversedMeanings;
extern std::array<QString, RuneCount> MerkstaveMeanings;
// Keyword j of rune r is entry r * 4 + j; the flat list is also the pool of wrong keyword options.
extern std::array<QString, RuneCount * KeywordsPerRune> StoneKeywords;
// Alternative name j of rune r is entry r * 3 + j.
extern std::array<QString, RuneCount * AlternativeNamesPerRune> AlternativeNames;

// Assigns every entry of the six tables from the built-in texts; calling it again changes nothing.
void FillRuneTables();

// Captions of the aett check boxes ("First Aett" ..) and the theme text of each aett.
QString AettCaption(int aett);
QString AettTheme(int aett);

// Key of rune r's picture in the stone image list ("01 Fehu" .. "24 Othala"); r = 24 gives "25 Blank".
QString StoneImageKey(int rune);

} // namespace modLearnRunes
