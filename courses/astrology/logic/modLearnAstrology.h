#pragma once
// The astrology content: three sets of parallel columns (signs, planets, houses), each
// column indexed by item number, filled from built-in texts. A column has one slot more
// than its set has items; that last slot is never assigned and stays empty, so a column's
// upper bound equals its number of items.
#include <QString>
#include <array>
#include <span>

namespace modLearnAstrology {

inline constexpr int SignCount = 12;
inline constexpr int PlanetCount = 10;
inline constexpr int HouseCount = 12;

using SignColumn = std::array<QString, SignCount + 1>;
using PlanetColumn = std::array<QString, PlanetCount + 1>;
using HouseColumn = std::array<QString, HouseCount + 1>;

// Signs 0..11, Aries to Pisces.
struct SignSet {
    SignColumn SignName, Dates, SignNumber, OppositeSign, Keywords, PositiveTraits, NegativeTraits, Element,
        RulingPlanet, LuckyNumber, LuckyColor, LuckyDay, Birthstone, Quality, Anatomy, FlowerEssence;
    static constexpr int ColumnCount = 16;
};

// Planets 0..9 in the course's own order: Sun, Moon, Jupiter, Mercury, Venus, Mars, Saturn,
// Uranus, Neptune, Pluto.
struct PlanetSet {
    PlanetColumn PlanetName, RulerForSign, Keywords, PositiveTraits, NegativeTraits, Anatomy, CycleTime,
        RulerForHouse;
    static constexpr int ColumnCount = 8;
};

// Houses 0..11, the 1st to the 12th house.
struct HouseSet {
    HouseColumn SignTitle, HouseNumber, HouseName, HousePlanetRuler, HouseSignRuler, Attributes, Keywords,
        Mantra, HouseType;
    static constexpr int ColumnCount = 9;
};

// The three sets of one course run, empty until filled.
struct AstrologyTables {
    SignSet Signs;
    PlanetSet Planets;
    HouseSet Houses;

    // Assign every used slot of every column of the set; calling again changes nothing.
    void FillSignTables();
    void FillPlanetTables();
    void FillHouseTables();

    // Columns by number, in the order of the sets above (sign column 0 is SignName, planet
    // column 0 PlanetName, house column 0 SignTitle). All slots, the empty last one included;
    // an empty span outside the set.
    std::span<const QString> SignColumnAt(int column) const;
    std::span<const QString> PlanetColumnAt(int column) const;
    std::span<const QString> HouseColumnAt(int column) const;
};

// The captions of the attribute list: 16 for signs (entry k selects sign column k), 8 for
// planets (entry k selects planet column k), 7 for houses (entry k selects house column k + 2).
std::span<const char* const> SignAttributeCaptions();
std::span<const char* const> PlanetAttributeCaptions();
std::span<const char* const> HouseAttributeCaptions();

// Keys of the glyph pictures ("01aries.jpg" .., "01sun.jpg" ..), item k.
QString SignPictureKey(int sign);
QString PlanetPictureKey(int planet);

} // namespace modLearnAstrology
