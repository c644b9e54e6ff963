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

// The tables of one course window, empty until filled.
struct NumerologyTables {
    std::array<QString, SubjectSlots> SubjectName;
    std::array<QString, SubjectSlots> Significance;
    // Several lines joined by CR LF, none after the last.
    std::array<QString, SubjectSlots> Calculation;
    std::array<std::int16_t, SubjectSlots> SubjectStart{};
    std::array<std::int16_t, SubjectSlots> SubjectEnd{};
    std::array<std::int16_t, EntryCount> InterpNumber{};
    std::array<QString, EntryCount> InterpText;

    // Assigns every table from the built-in texts; calling it again changes nothing.
    void FillNumerologyTables();
};

// The subject whose slice holds the entry (scanning subjects 0 to 14), or -1.
int OwnerSubject(int entry);
// How the course names an entry: the owning subject's name, a blank and the value
// ("Life Path Number 11").
QString EntryHeading(int entry);

} // namespace modLearnNumerology
