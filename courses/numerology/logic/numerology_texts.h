#pragma once
// The built-in prose of the numerology course, split over three files by entry range.

namespace modLearnNumerology::texts {

// By subject 0..14.
extern const char* const SignificanceTexts[15];
// By subject 0..14; lines joined by "\r\n", none after the last.
extern const char* const CalculationTexts[15];

// Interpretation texts by entry number, in three runs: 0..43, 44..101, 102..170.
extern const char* const InterpTextsA[44];
extern const char* const InterpTextsB[58];
extern const char* const InterpTextsC[69];

} // namespace modLearnNumerology::texts
