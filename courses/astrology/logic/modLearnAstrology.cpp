// The astrology columns of signs, planets and houses and the procedures that fill them.
#include "courses/astrology/logic/modLearnAstrology.h"

#include "courses/astrology/logic/astrology_texts.h"

namespace modLearnAstrology {

namespace {

// The short values of one sign. Element, quality and opposite sign follow from its place.
struct SignRow {
    const char* name;
    const char* dates;
    const char* number;
    const char* keywords;
    const char* rulingPlanet;
    const char* luckyNumber;
    const char* luckyColor;
    const char* luckyDay;
    const char* birthstone;
    const char* anatomy;
    const char* flowerEssence;
};

constexpr std::array<SignRow, SignCount> SignRows{{
    {"Aries", "March 21 - April 19", "First", "Pioneer, Assertive, Energetic", "Mars", "9", "Red", "Tuesday",
     "Diamond", "Head And Face", "Tiger Lily"},
    {"Taurus", "April 20 - May 20", "Second", "Determined, Stable, Sensual", "Venus", "6", "Green", "Friday",
     "Emerald", "Throat", "Oak And Sundew"},
    {"Gemini", "May 22 - June 21", "Third", "Curious, Intelligent, Congenial", "Mercury", "5", "Yellow",
     "Wednesday", "Agate", "Arms And Shoulders", "Jojoba"},
    {"Cancer", "June 22 - July 22", "Fourth", "Protective, Cautious, Intuitive", "The Moon", "2", "Silver",
     "Monday", "Pearl", "Stomach", "Honeysuckle"},
    {"Leo", "July 23 - August 22", "Fifth", "Generous, Enthusiastic, Social", "The Sun", "8 && 9", "Gold",
     "Sunday", "Ruby", "Heart", "Sunflower, Buttercup"},
    {"Virgo", "August 23 - September 22", "Sixth", "Modest, Critical, Methodical", "Mercury", "3 && 5", "Blue",
     "Wednesday", "Sapphire", "Intestines", "Chrysanthemum"},
    {"Libra", "September 23 - October 22", "Seventh", "Pleasant, Sociable, Diplomatic", "Venus", "6 && 9",
     "Blue", "Friday", "Opal", "Skin", "Goldenseal"},
    {"Scorpio", "October 23 - November 22", "Eighth", "Secretive, Possessive, Investigative", "Pluto and Mars",
     "2 && 4", "Burgundy and Black", "Tuesday", "Topaz", "Sexual Organs", "Holly"},
    {"Sagittarius", "November 23 - December 22", "Ninth", "Adventurous, Extrovert, Philosophical", "Jupiter",
     "5 && 7", "Purple", "Thursday", "Turquoise", "Thighs", "Blackberry"},
    {"Capricorn", "December 23 - January 20", "Tenth", "Serious, Ambitious, Disciplined", "Saturn", "8 && 2",
     "Brown", "Saturday", "Garnet", "Knees", "Trillium"},
    {"Aquarius", "January 20 - February 19", "Eleventh", "Intelligent, Innovative, Individualistic",
     "Uranus and Saturn", "1 && 7", "Violet", "Wednesday", "Amethyst", "Calves", "Goldenrod"},
    {"Pisces", "February 19 - March 20", "Twelfth", "Sensitive, Compassionate, Introspective",
     "Neptune and Jupiter", "2 && 6", "Sea green", "Friday", "Aquamarine", "Feet", "Rhubarb"},
}};

// Elements and qualities repeat through the zodiac in these orders, starting at Aries.
constexpr std::array<const char*, 4> Elements{"Fire", "Earth", "Air", "Water"};
constexpr std::array<const char*, 3> Qualities{"Cardinal", "Fixed", "Mutable"};

constexpr int Leo = 4;
constexpr int NoHouse = -1;

// The short values of one planet and the one or two houses it rules (lower house first).
struct PlanetRow {
    const char* name;
    const char* rulerForSign;
    const char* keywords;
    const char* anatomy;
    const char* cycleTime;
    int firstHouse;
    int secondHouse;
};

constexpr std::array<PlanetRow, PlanetCount> PlanetRows{{
    {"Sun", "Leo", "Identity, Vitality, Goals", "Heart, Back, Arteries, Eyes", "None", 4, NoHouse},
    {"Moon", "Cancer", "Emotions, Intuition, Home", "Brain, Stomach, Bowels, Bladder, Left Eye", "27 days", 3,
     NoHouse},
    {"Jupiter", "Sagittarius", "Expansion, Good Luck, Ideals", "Liver, Lungs, Veins, Blood Circulation",
     "12 years", 8, 11},
    {"Mercury", "Gemini, Virgo", "Communication, Intelligence, Reasoning",
     "Memory, Speech, Nostrils, Hands, Feet, Nervous System", "88 days", 2, 5},
    {"Venus", "Taurus, Libra", "Love, Harmony, Pleasure", "Skin, Thyroid Gland, Ovaries, Kidneys, Veins, Throat",
     "225 days", 1, 6},
    {"Mars", "Aries", "Physical Energy, Competition, Will-Power",
     "Head, Face, Stomach, Kidneys, Knees, Gall Bladder, Reproductive Organs, Groin, Throat", "687 days", 0, 7},
    {"Saturn", "Capricorn", "Restriction, Obstacles, Stability", "Constipation, Hearing, Teeth, Spleen, Bones",
     "29 yrs", 9, 10},
    {"Uranus", "Aquarius", "Shock, Change, Independence", "Gall Bladder, Mind, Sexual Organs, Ankles", "84 yrs",
     10, NoHouse},
    {"Neptune", "Pisces", "Imagination, Spirituality, Confusion", "Memory, Parathyroid Glands, Feet", "165 yrs",
     11, NoHouse},
    {"Pluto", "Scorpio", "Elimination, Transformation, Change", "Skin, Prostrate, Nails, Hormones", "248 years",
     7, NoHouse},
}};

// The short values of one house. Its sign title and sign ruler are the sign of the same number.
struct HouseRow {
    const char* number;
    const char* name;
    const char* planetRuler;
    const char* keywords;
    const char* mantra;
};

constexpr std::array<HouseRow, HouseCount> HouseRows{{
    {"1st House", "The House of Identity", "Mars", "Outer-Self, Superficial Traits, Physical Appearance",
     "To Be"},
    {"2nd House", "The House of Finances", "Venus", "Money, Self - Worth, Vitality", "To Have"},
    {"3rd House", "The House of Communication", "Mercury", "Education, Communication, Relationships",
     "To Communicate"},
    {"4th House", "The House of Family", "Moon", "Home, Family, Caring", "To Belong"},
    {"5th House", "The House of Pleasures", "Sun", "Creativity, Romance, Hobbies", "To Create"},
    {"6th House", "The House of Health", "Mercury", "Health, Service, Work", "To Serve"},
    {"7th House", "The House of Partnerships", "Venus", "Agreements, Partnerships, Marriage", "To Relate"},
    {"8th House", "The House of Spirituality", "Mars, Pluto", "Sex, Possessions, Death", "To Transform"},
    {"9th House", "The House of Travel", "Jupiter", "Travel, Philosophy, Higher Mind", "To Explore"},
    {"10th House", "The House of Career", "Saturn", "Ambition, Career, Public Image", "To Achieve"},
    {"11th House", "The House of Hopes", "Uranus, Saturn", "Friends, Hopes, Goals", "To Innovate"},
    {"12th House", "The House of Shortcomings", "Neptune, Jupiter", "Compassion, Intuition, Mental Health",
     "To Reintegrate"},
}};

// House types repeat from the 1st house in this order.
constexpr std::array<const char*, 3> HouseTypes{"Angular House (Action)", "Succedent House (Fixed)",
                                                "Cadent House (Adaptable)"};

constexpr std::array<SignColumn SignSet::*, SignSet::ColumnCount> SignColumns{
    &SignSet::SignName, &SignSet::Dates, &SignSet::SignNumber, &SignSet::OppositeSign, &SignSet::Keywords,
    &SignSet::PositiveTraits, &SignSet::NegativeTraits, &SignSet::Element, &SignSet::RulingPlanet,
    &SignSet::LuckyNumber, &SignSet::LuckyColor, &SignSet::LuckyDay, &SignSet::Birthstone, &SignSet::Quality,
    &SignSet::Anatomy, &SignSet::FlowerEssence};

constexpr std::array<PlanetColumn PlanetSet::*, PlanetSet::ColumnCount> PlanetColumns{
    &PlanetSet::PlanetName, &PlanetSet::RulerForSign, &PlanetSet::Keywords, &PlanetSet::PositiveTraits,
    &PlanetSet::NegativeTraits, &PlanetSet::Anatomy, &PlanetSet::CycleTime, &PlanetSet::RulerForHouse};

constexpr std::array<HouseColumn HouseSet::*, HouseSet::ColumnCount> HouseColumns{
    &HouseSet::SignTitle, &HouseSet::HouseNumber, &HouseSet::HouseName, &HouseSet::HousePlanetRuler,
    &HouseSet::HouseSignRuler, &HouseSet::Attributes, &HouseSet::Keywords, &HouseSet::Mantra, &HouseSet::HouseType};

constexpr std::array<const char*, SignSet::ColumnCount> SignCaptions{
    "Glyphs (Image)", "Dates", "Sign Numbers", "Opposite Signs", "Keywords", "Positive Traits",
    "Negative Traits", "Element", "Ruling Planet", "Lucky Number", "Lucky Color", "Lucky Day", "Birthstone",
    "Quality", "Anatomy", "Flower Essence"};

constexpr std::array<const char*, PlanetSet::ColumnCount> PlanetCaptions{
    "Glyphs (Image)", "Ruler for Sign", "Keywords", "Positive Traits", "Negative Traits", "Anatomy",
    "Time to complete one Cycle", "Ruler for House"};

// The house list has no entries for the first two house columns.
constexpr std::array<const char*, HouseSet::ColumnCount - 2> HouseCaptions{
    "House Name", "House Planet Ruler", "House Sign Ruler", "Attributes", "Keywords", "Mantra", "House Type"};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// "<HouseNumber> - <HouseName>" of house h.
QString houseLine(int h)
{
    return text(HouseRows[h].number) + QStringLiteral(" - ") + text(HouseRows[h].name);
}

// Two-digit item number, lower-case name and ".jpg".
QString pictureKey(int item, const char* name)
{
    return QStringLiteral("%1%2.jpg").arg(item + 1, 2, 10, QLatin1Char('0')).arg(text(name).toLower());
}

} // namespace

void AstrologyTables::FillSignTables()
{
    auto& [SignName, Dates, SignNumber, OppositeSign, Keywords, PositiveTraits, NegativeTraits, Element,
           RulingPlanet, LuckyNumber, LuckyColor, LuckyDay, Birthstone, Quality, Anatomy, FlowerEssence] = Signs;
    for (int s = 0; s < SignCount; ++s) {
        const SignRow& row = SignRows[s];
        SignName[s] = text(row.name);
        Dates[s] = text(row.dates);
        SignNumber[s] = text(row.number);
        OppositeSign[s] = text(SignRows[(s + SignCount / 2) % SignCount].name);
        Keywords[s] = text(row.keywords);
        PositiveTraits[s] = text(texts::SignPositiveTraits[s]);
        NegativeTraits[s] = text(texts::SignNegativeTraits[s]);
        Element[s] = text(Elements[s % Elements.size()]);
        RulingPlanet[s] = text(row.rulingPlanet);
        LuckyNumber[s] = text(row.luckyNumber);
        LuckyColor[s] = text(row.luckyColor);
        LuckyDay[s] = text(row.luckyDay);
        Birthstone[s] = text(row.birthstone);
        Quality[s] = text(Qualities[s % Qualities.size()]);
        Anatomy[s] = text(row.anatomy);
        FlowerEssence[s] = text(row.flowerEssence);
    }
    PositiveTraits[Leo] += text(texts::LeoPositiveTraitsEnd);
}

void AstrologyTables::FillPlanetTables()
{
    auto& [PlanetName, RulerForSign, Keywords, PositiveTraits, NegativeTraits, Anatomy, CycleTime,
           RulerForHouse] = Planets;
    for (int p = 0; p < PlanetCount; ++p) {
        const PlanetRow& row = PlanetRows[p];
        PlanetName[p] = text(row.name);
        RulerForSign[p] = text(row.rulerForSign);
        Keywords[p] = text(row.keywords);
        PositiveTraits[p] = text(texts::PlanetPositiveTraits[p]);
        NegativeTraits[p] = text(texts::PlanetNegativeTraits[p]);
        Anatomy[p] = text(row.anatomy);
        CycleTime[p] = text(row.cycleTime);
        RulerForHouse[p] = houseLine(row.firstHouse);
        if (row.secondHouse != NoHouse)
            RulerForHouse[p] += QStringLiteral("\r\n") + houseLine(row.secondHouse);
    }
}

void AstrologyTables::FillHouseTables()
{
    auto& [SignTitle, HouseNumber, HouseName, HousePlanetRuler, HouseSignRuler, Attributes, Keywords, Mantra,
           HouseType] = Houses;
    for (int h = 0; h < HouseCount; ++h) {
        const HouseRow& row = HouseRows[h];
        SignTitle[h] = text(SignRows[h].name);
        HouseNumber[h] = text(row.number);
        HouseName[h] = text(row.name);
        HousePlanetRuler[h] = text(row.planetRuler);
        HouseSignRuler[h] = text(SignRows[h].name);
        Attributes[h] = text(texts::HouseAttributes[h]);
        Keywords[h] = text(row.keywords);
        Mantra[h] = text(row.mantra);
        HouseType[h] = text(HouseTypes[h % HouseTypes.size()]);
    }
}

std::span<const QString> AstrologyTables::SignColumnAt(int column) const
{
    if (column < 0 || column >= SignSet::ColumnCount)
        return {};
    return Signs.*SignColumns[std::size_t(column)];
}

std::span<const QString> AstrologyTables::PlanetColumnAt(int column) const
{
    if (column < 0 || column >= PlanetSet::ColumnCount)
        return {};
    return Planets.*PlanetColumns[std::size_t(column)];
}

std::span<const QString> AstrologyTables::HouseColumnAt(int column) const
{
    if (column < 0 || column >= HouseSet::ColumnCount)
        return {};
    return Houses.*HouseColumns[std::size_t(column)];
}

std::span<const char* const> SignAttributeCaptions()
{
    return SignCaptions;
}

std::span<const char* const> PlanetAttributeCaptions()
{
    return PlanetCaptions;
}

std::span<const char* const> HouseAttributeCaptions()
{
    return HouseCaptions;
}

QString SignPictureKey(int sign)
{
    if (sign < 0 || sign >= SignCount)
        return {};
    return pictureKey(sign, SignRows[sign].name);
}

QString PlanetPictureKey(int planet)
{
    if (planet < 0 || planet >= PlanetCount)
        return {};
    return pictureKey(planet, PlanetRows[planet].name);
}

} // namespace modLearnAstrology
