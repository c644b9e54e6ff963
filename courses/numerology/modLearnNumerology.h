#pragma once
// The numerology content: 15 subjects (name, significance, calculation) and 171
// interpretation entries, each the meaning of one value of one subject. Subject s owns the
// contiguous slice SubjectStart[s] .. SubjectEnd[s] of the interpretation arrays. The
// subject arrays have 16 slots; slot 15 stays empty.
#include <QString>
#include <array>
#include <cstdint>

namespace modLearnNumerology {

inline constexpr int SubjectCount = 15;
inline constexpr int SubjectSlots = 16;
inline constexpr int EntryCount = 171;

extern std::array<QString, SubjectSlots> SubjectName;
extern std::array<QString, SubjectSlots> Significance;
// Several lines joined by CR LF, none after the last.
extern std::array<QString, SubjectSlots> Calculation;
extern std::array<std::int16_t, SubjectSlots> SubjectStart;
extern std::array<std::int16_t, SubjectSlots> SubjectEnd;
extern std::array<std::int16_t, EntryCount> InterpNumber;
extern std::array<QString, EntryCount> InterpText;

// Assigns every table from the built-in texts; calling it again changes nothing.
void FillNumerologyTables();

// The subject whose slice holds the entry (scanning subjects 0 to 14), or -1.
int OwnerSubject(int entry);
// How the course names an entry: the owning subject's name, a blank and the value
// ("Life Path Number 11").
QString EntryHeading(int entry);

} // namespace modLearnNumerology
