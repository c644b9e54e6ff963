#pragma once
// The prose of the astrology course, one paragraph per item, read by the fill procedures.
#include "courses/astrology/logic/modLearnAstrology.h"

namespace modLearnAstrology::texts {

// Sign traits, Aries to Pisces. Leo's positive traits are stored as two texts: entry 4 holds
// the first, which ends with a blank, and LeoPositiveTraitsEnd the second.
extern const std::array<const char*, SignCount> SignPositiveTraits;
extern const char* const LeoPositiveTraitsEnd;
extern const std::array<const char*, SignCount> SignNegativeTraits;

// Planet traits in the course's planet order.
extern const std::array<const char*, PlanetCount> PlanetPositiveTraits;
extern const std::array<const char*, PlanetCount> PlanetNegativeTraits;

// What each house signifies, 1st to 12th house. UTF-8: the 5th house holds an accented letter.
extern const std::array<const char*, HouseCount> HouseAttributes;

} // namespace modLearnAstrology::texts
