// Checks the layout and texts of the built-in astrology columns.
#include "courses/astrology/logic/modLearnAstrology.h"
#include "british_spellings.h"
#include "test_registry.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace modLearnAstrology;

namespace {

// Column `column` of a set named "sign", "planet" or "house".
std::span<const QString> columnOf(const AstrologyTables& tables, const QString& set, int column)
{
    if (set == QLatin1String("sign"))
        return tables.SignColumnAt(column);
    if (set == QLatin1String("planet"))
        return tables.PlanetColumnAt(column);
    return tables.HouseColumnAt(column);
}

int columnCountOf(const QString& set)
{
    if (set == QLatin1String("sign"))
        return SignSet::ColumnCount;
    if (set == QLatin1String("planet"))
        return PlanetSet::ColumnCount;
    return HouseSet::ColumnCount;
}

const QStringList Sets{QStringLiteral("sign"), QStringLiteral("planet"), QStringLiteral("house")};

// Every slot of every column of the three sets, in set, column and slot order.
QStringList allSlots(const AstrologyTables& tables)
{
    QStringList all;
    for (const QString& set : Sets)
        for (int c = 0; c < columnCountOf(set); ++c)
            for (const QString& text : columnOf(tables, set, c))
                all.append(text);
    return all;
}


QStringList toList(std::span<const char* const> captions)
{
    QStringList list;
    for (const char* caption : captions)
        list.append(QString::fromLatin1(caption));
    return list;
}

bool isPrintableAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126; });
}

constexpr int SignPositive = 5, SignNegative = 6, PlanetPositive = 3, PlanetNegative = 4, HouseAttributes = 5;
constexpr int PlanetRulerForHouse = 7;

} // namespace

class TestAstrologyTables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tables.FillSignTables();
        tables.FillPlanetTables();
        tables.FillHouseTables();
    }

    void columnsEmptyBeforeFirstFill()
    {
        const AstrologyTables fresh;
        const QStringList all = allSlots(fresh);
        QVERIFY(!all.isEmpty());
        QVERIFY(std::all_of(all.begin(), all.end(), [](const QString& s) { return s.isEmpty(); }));
    }

    void columnShapes()
    {
        QCOMPARE(tables.SignColumnAt(0).data(), tables.Signs.SignName.data());
        QCOMPARE(tables.SignColumnAt(5).data(), tables.Signs.PositiveTraits.data());
        QCOMPARE(tables.SignColumnAt(15).data(), tables.Signs.FlowerEssence.data());
        QCOMPARE(tables.PlanetColumnAt(0).data(), tables.Planets.PlanetName.data());
        QCOMPARE(tables.PlanetColumnAt(6).data(), tables.Planets.CycleTime.data());
        QCOMPARE(tables.PlanetColumnAt(7).data(), tables.Planets.RulerForHouse.data());
        QCOMPARE(tables.HouseColumnAt(0).data(), tables.Houses.SignTitle.data());
        QCOMPARE(tables.HouseColumnAt(5).data(), tables.Houses.Attributes.data());
        QCOMPARE(tables.HouseColumnAt(8).data(), tables.Houses.HouseType.data());
        for (int c = 0; c < SignSet::ColumnCount; ++c)
            QCOMPARE(tables.SignColumnAt(c).size(), std::size_t(SignCount + 1));
        for (int c = 0; c < PlanetSet::ColumnCount; ++c)
            QCOMPARE(tables.PlanetColumnAt(c).size(), std::size_t(PlanetCount + 1));
        for (int c = 0; c < HouseSet::ColumnCount; ++c)
            QCOMPARE(tables.HouseColumnAt(c).size(), std::size_t(HouseCount + 1));
        QVERIFY(tables.SignColumnAt(-1).empty());
        QVERIFY(tables.SignColumnAt(SignSet::ColumnCount).empty());
        QVERIFY(tables.PlanetColumnAt(-1).empty());
        QVERIFY(tables.PlanetColumnAt(PlanetSet::ColumnCount).empty());
        QVERIFY(tables.HouseColumnAt(-1).empty());
        QVERIFY(tables.HouseColumnAt(HouseSet::ColumnCount).empty());
        // Every column is a different array.
        QSet<const QString*> starts;
        for (const QString& set : Sets)
            for (int c = 0; c < columnCountOf(set); ++c)
                starts.insert(columnOf(tables, set, c).data());
        QCOMPARE(starts.size(), SignSet::ColumnCount + PlanetSet::ColumnCount + HouseSet::ColumnCount);
    }

    void usedSlotsFilledLastSlotEmpty()
    {
        for (const QString& set : Sets) {
            for (int c = 0; c < columnCountOf(set); ++c) {
                const auto column = columnOf(tables, set, c);
                for (std::size_t i = 0; i + 1 < column.size(); ++i)
                    QVERIFY2(!column[i].isEmpty(), qPrintable(QStringLiteral("%1 %2 %3").arg(set).arg(c).arg(i)));
                QVERIFY2(column.back().isEmpty(), qPrintable(QStringLiteral("%1 %2").arg(set).arg(c)));
            }
        }
    }

    void shortValues_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("expected");
        auto sign = [](const char* row, int column, int item, const char* expected) {
            QTest::newRow(row) << "sign" << column << item << QString::fromLatin1(expected);
        };
        sign("sign name Aries", 0, 0, "Aries");
        sign("sign name Sagittarius", 0, 8, "Sagittarius");
        sign("sign name Pisces", 0, 11, "Pisces");
        sign("dates Aries", 1, 0, "March 21 - April 19");
        sign("dates Gemini", 1, 2, "May 22 - June 21");
        sign("dates Capricorn", 1, 9, "December 23 - January 20");
        sign("dates Aquarius", 1, 10, "January 20 - February 19");
        sign("number Aries", 2, 0, "First");
        sign("number Libra", 2, 6, "Seventh");
        sign("number Pisces", 2, 11, "Twelfth");
        sign("opposite Aries", 3, 0, "Libra");
        sign("opposite Virgo", 3, 5, "Pisces");
        sign("opposite Aquarius", 3, 10, "Leo");
        sign("keywords Cancer", 4, 3, "Protective, Cautious, Intuitive");
        sign("keywords Scorpio", 4, 7, "Secretive, Possessive, Investigative");
        sign("keywords Aquarius", 4, 10, "Intelligent, Innovative, Individualistic");
        sign("element Aries", 7, 0, "Fire");
        sign("element Virgo", 7, 5, "Earth");
        sign("element Aquarius", 7, 10, "Air");
        sign("element Pisces", 7, 11, "Water");
        sign("ruler Cancer", 8, 3, "The Moon");
        sign("ruler Leo", 8, 4, "The Sun");
        sign("ruler Scorpio", 8, 7, "Pluto and Mars");
        sign("ruler Aquarius", 8, 10, "Uranus and Saturn");
        sign("ruler Pisces", 8, 11, "Neptune and Jupiter");
        sign("lucky number Aries", 9, 0, "9");
        sign("lucky number Leo", 9, 4, "8 && 9");
        sign("lucky number Capricorn", 9, 9, "8 && 2");
        sign("lucky number Pisces", 9, 11, "2 && 6");
        sign("lucky color Sagittarius", 10, 8, "Purple");
        sign("lucky color Scorpio", 10, 7, "Burgundy and Black");
        sign("lucky color Pisces", 10, 11, "Sea green");
        sign("lucky day Leo", 11, 4, "Sunday");
        sign("lucky day Capricorn", 11, 9, "Saturday");
        sign("lucky day Sagittarius", 11, 8, "Thursday");
        sign("birthstone Aries", 12, 0, "Diamond");
        sign("birthstone Scorpio", 12, 7, "Topaz");
        sign("birthstone Pisces", 12, 11, "Aquamarine");
        sign("quality Aries", 13, 0, "Cardinal");
        sign("quality Scorpio", 13, 7, "Fixed");
        sign("quality Pisces", 13, 11, "Mutable");
        sign("anatomy Aries", 14, 0, "Head And Face");
        sign("anatomy Gemini", 14, 2, "Arms And Shoulders");
        sign("anatomy Scorpio", 14, 7, "Sexual Organs");
        sign("flower Taurus", 15, 1, "Oak And Sundew");
        sign("flower Leo", 15, 4, "Sunflower, Buttercup");
        sign("flower Pisces", 15, 11, "Rhubarb");

        auto planet = [](const char* row, int column, int item, const char* expected) {
            QTest::newRow(row) << "planet" << column << item << QString::fromLatin1(expected);
        };
        planet("planet name Sun", 0, 0, "Sun");
        planet("planet name Jupiter", 0, 2, "Jupiter");
        planet("planet name Mercury", 0, 3, "Mercury");
        planet("planet name Pluto", 0, 9, "Pluto");
        planet("rules sign Mercury", 1, 3, "Gemini, Virgo");
        planet("rules sign Venus", 1, 4, "Taurus, Libra");
        planet("rules sign Pluto", 1, 9, "Scorpio");
        planet("keywords Jupiter", 2, 2, "Expansion, Good Luck, Ideals");
        planet("keywords Mars", 2, 5, "Physical Energy, Competition, Will-Power");
        planet("keywords Neptune", 2, 8, "Imagination, Spirituality, Confusion");
        planet("anatomy Mars", 5, 5,
               "Head, Face, Stomach, Kidneys, Knees, Gall Bladder, Reproductive Organs, Groin, Throat");
        planet("anatomy Saturn", 5, 6, "Constipation, Hearing, Teeth, Spleen, Bones");
        planet("anatomy Pluto", 5, 9, "Skin, Prostrate, Nails, Hormones");
        planet("cycle Sun", 6, 0, "None");
        planet("cycle Moon", 6, 1, "27 days");
        planet("cycle Saturn", 6, 6, "29 yrs");
        planet("cycle Pluto", 6, 9, "248 years");
        planet("house Sun", 7, 0, "5th House - The House of Pleasures");
        planet("house Neptune", 7, 8, "12th House - The House of Shortcomings");

        auto house = [](const char* row, int column, int item, const char* expected) {
            QTest::newRow(row) << "house" << column << item << QString::fromLatin1(expected);
        };
        house("title 1st", 0, 0, "Aries");
        house("title 12th", 0, 11, "Pisces");
        house("number 1st", 1, 0, "1st House");
        house("number 2nd", 1, 1, "2nd House");
        house("number 3rd", 1, 2, "3rd House");
        house("number 11th", 1, 10, "11th House");
        house("name 3rd", 2, 2, "The House of Communication");
        house("name 8th", 2, 7, "The House of Spirituality");
        house("name 12th", 2, 11, "The House of Shortcomings");
        house("planet ruler 4th", 3, 3, "Moon");
        house("planet ruler 8th", 3, 7, "Mars, Pluto");
        house("planet ruler 11th", 3, 10, "Uranus, Saturn");
        house("planet ruler 12th", 3, 11, "Neptune, Jupiter");
        house("sign ruler 5th", 4, 4, "Leo");
        house("sign ruler 9th", 4, 8, "Sagittarius");
        house("keywords 1st", 6, 0, "Outer-Self, Superficial Traits, Physical Appearance");
        house("keywords 2nd", 6, 1, "Money, Self - Worth, Vitality");
        house("keywords 12th", 6, 11, "Compassion, Intuition, Mental Health");
        house("mantra 1st", 7, 0, "To Be");
        house("mantra 3rd", 7, 2, "To Communicate");
        house("mantra 12th", 7, 11, "To Reintegrate");
        house("type 1st", 8, 0, "Angular House (Action)");
        house("type 5th", 8, 4, "Succedent House (Fixed)");
        house("type 9th", 8, 8, "Cadent House (Adaptable)");
    }

    void shortValues()
    {
        QFETCH(QString, set);
        QFETCH(int, column);
        QFETCH(int, item);
        QFETCH(QString, expected);
        QCOMPARE(columnOf(tables, set, column)[item], expected);
    }

    void valuesThatFollowTheItemNumber()
    {
        const QStringList elements{"Fire", "Earth", "Air", "Water"};
        const QStringList qualities{"Cardinal", "Fixed", "Mutable"};
        const QStringList types{"Angular House (Action)", "Succedent House (Fixed)", "Cadent House (Adaptable)"};
        for (int s = 0; s < SignCount; ++s) {
            QCOMPARE(tables.Signs.Element[s], elements[s % 4]);
            QCOMPARE(tables.Signs.Quality[s], qualities[s % 3]);
            QCOMPARE(tables.Signs.OppositeSign[s], tables.Signs.SignName[(s + 6) % SignCount]);
        }
        for (int h = 0; h < HouseCount; ++h) {
            QCOMPARE(tables.Houses.HouseType[h], types[h % 3]);
            QCOMPARE(tables.Houses.SignTitle[h], tables.Signs.SignName[h]);
            QCOMPARE(tables.Houses.HouseSignRuler[h], tables.Signs.SignName[h]);
        }
    }

    void sharedValues_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("items");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Fire") << "sign" << 7 << QList<int>{0, 4, 8} << "Fire";
        QTest::newRow("Water") << "sign" << 7 << QList<int>{3, 7, 11} << "Water";
        QTest::newRow("Fixed") << "sign" << 13 << QList<int>{1, 4, 7, 10} << "Fixed";
        QTest::newRow("ruler Mercury") << "sign" << 8 << QList<int>{2, 5} << "Mercury";
        QTest::newRow("ruler Venus") << "sign" << 8 << QList<int>{1, 6} << "Venus";
        QTest::newRow("color Blue") << "sign" << 10 << QList<int>{5, 6} << "Blue";
        QTest::newRow("day Tuesday") << "sign" << 11 << QList<int>{0, 7} << "Tuesday";
        QTest::newRow("day Wednesday") << "sign" << 11 << QList<int>{2, 5, 10} << "Wednesday";
        QTest::newRow("day Friday") << "sign" << 11 << QList<int>{1, 6, 11} << "Friday";
        QTest::newRow("house ruler Mercury") << "house" << 3 << QList<int>{2, 5} << "Mercury";
        QTest::newRow("house ruler Venus") << "house" << 3 << QList<int>{1, 6} << "Venus";
        QTest::newRow("Angular") << "house" << 8 << QList<int>{0, 3, 6, 9} << "Angular House (Action)";
        QTest::newRow("Cadent") << "house" << 8 << QList<int>{2, 5, 8, 11} << "Cadent House (Adaptable)";
    }

    void sharedValues()
    {
        QFETCH(QString, set);
        QFETCH(int, column);
        QFETCH(QList<int>, items);
        QFETCH(QString, expected);
        const auto values = columnOf(tables, set, column);
        for (int item : items)
            QCOMPARE(values[item], expected);
        for (std::size_t i = 0; i + 1 < values.size(); ++i)
            if (!items.contains(int(i)))
                QVERIFY2(values[i] != expected, qPrintable(QString::number(i)));
    }

    void distinctValues_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("distinct");
        QTest::newRow("Element") << "sign" << 7 << 4;
        QTest::newRow("RulingPlanet") << "sign" << 8 << 10;
        QTest::newRow("LuckyNumber") << "sign" << 9 << 12;
        QTest::newRow("LuckyColor") << "sign" << 10 << 11;
        QTest::newRow("LuckyDay") << "sign" << 11 << 7;
        QTest::newRow("Birthstone") << "sign" << 12 << 12;
        QTest::newRow("Quality") << "sign" << 13 << 3;
        QTest::newRow("CycleTime") << "planet" << 6 << 10;
        QTest::newRow("RulerForHouse") << "planet" << 7 << 10;
        QTest::newRow("HousePlanetRuler") << "house" << 3 << 10;
        QTest::newRow("Mantra") << "house" << 7 << 12;
        QTest::newRow("HouseType") << "house" << 8 << 3;
    }

    void distinctValues()
    {
        QFETCH(QString, set);
        QFETCH(int, column);
        QFETCH(int, distinct);
        const auto values = columnOf(tables, set, column);
        const QSet<QString> unique(values.begin(), values.end() - 1);
        QCOMPARE(unique.size(), distinct);
    }

    void rulerForHouse_data()
    {
        QTest::addColumn<int>("planet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Sun") << 0 << "5th House - The House of Pleasures";
        QTest::newRow("Moon") << 1 << "4th House - The House of Family";
        QTest::newRow("Jupiter") << 2 << "9th House - The House of Travel\r\n12th House - The House of Shortcomings";
        QTest::newRow("Mercury") << 3 << "3rd House - The House of Communication\r\n6th House - The House of Health";
        QTest::newRow("Venus") << 4 << "2nd House - The House of Finances\r\n7th House - The House of Partnerships";
        QTest::newRow("Mars") << 5 << "1st House - The House of Identity\r\n8th House - The House of Spirituality";
        QTest::newRow("Saturn") << 6 << "10th House - The House of Career\r\n11th House - The House of Hopes";
        QTest::newRow("Uranus") << 7 << "11th House - The House of Hopes";
        QTest::newRow("Neptune") << 8 << "12th House - The House of Shortcomings";
        QTest::newRow("Pluto") << 9 << "8th House - The House of Spirituality";
    }

    void rulerForHouse()
    {
        QFETCH(int, planet);
        QFETCH(QString, expected);
        QCOMPARE(tables.Planets.RulerForHouse[planet], expected);
        // Each line is a house's number and name, lower house first.
        const QStringList lines = tables.Planets.RulerForHouse[planet].split(QStringLiteral("\r\n"));
        int previous = -1;
        for (const QString& line : lines) {
            int house = -1;
            for (int h = 0; h < HouseCount; ++h)
                if (line == tables.Houses.HouseNumber[h] + QStringLiteral(" - ") + tables.Houses.HouseName[h])
                    house = h;
            QVERIFY2(house > previous, qPrintable(line));
            previous = house;
        }
    }

    void planetFillNeedsNoHouseFill()
    {
        const auto names = tables.Houses.HouseName;
        const auto rulers = tables.Planets.RulerForHouse;
        tables.Houses.HouseName.fill(QString());
        tables.Houses.HouseNumber.fill(QString());
        tables.Planets.RulerForHouse.fill(QString());
        tables.FillPlanetTables();
        const bool same = tables.Planets.RulerForHouse == rulers;
        tables.FillHouseTables();
        QVERIFY(same);
        QVERIFY(tables.Houses.HouseName == names);
    }

    void fillingTwiceGivesTheSameValues()
    {
        const QStringList before = allSlots(tables);
        tables.Signs.PositiveTraits[4].clear();
        tables.Signs.LuckyNumber[9] = QStringLiteral("changed");
        tables.Planets.RulerForHouse[2].clear();
        tables.Houses.Attributes[11] = QStringLiteral("changed");
        tables.Houses.HouseType[0].clear();
        tables.Signs.FlowerEssence[SignCount] = QStringLiteral("last slot");
        for (int round = 0; round < 2; ++round) {
            tables.FillSignTables();
            tables.FillPlanetTables();
            tables.FillHouseTables();
        }
        // The last slot is never assigned by a fill.
        QCOMPARE(tables.Signs.FlowerEssence[SignCount], QStringLiteral("last slot"));
        tables.Signs.FlowerEssence[SignCount] = QString();
        QCOMPARE(allSlots(tables), before);
    }

    void proseLengths_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("maxLength");
        for (int s = 0; s < SignCount; ++s) {
            const QByteArray name = tables.Signs.SignName[s].toLatin1();
            QTest::newRow("positive " + name) << "sign" << SignPositive << s << 513 << 1000;
            QTest::newRow("negative " + name) << "sign" << SignNegative << s << 331 << 655;
        }
        for (int p = 0; p < PlanetCount; ++p) {
            const QByteArray name = tables.Planets.PlanetName[p].toLatin1();
            QTest::newRow("positive " + name) << "planet" << PlanetPositive << p << 194 << 569;
            QTest::newRow("negative " + name) << "planet" << PlanetNegative << p << 157 << 517;
        }
        for (int h = 0; h < HouseCount; ++h)
            QTest::newRow(tables.Houses.HouseNumber[h].toLatin1()) << "house" << HouseAttributes << h << 588 << 730;
    }

    void proseLengths()
    {
        QFETCH(QString, set);
        QFETCH(int, column);
        QFETCH(int, item);
        QFETCH(int, minLength);
        QFETCH(int, maxLength);
        const QString& text = columnOf(tables, set, column)[item];
        QVERIFY2(text.size() >= minLength && text.size() <= maxLength,
                 qPrintable(QStringLiteral("length %1").arg(text.size())));
        QVERIFY(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')));
        QVERIFY(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')));
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QVERIFY(text.endsWith(QLatin1Char('.')));
    }

    void proseVoice()
    {
        const auto you = QStringLiteral("You ");
        for (int s = 0; s < SignCount; ++s) {
            QVERIFY2(tables.Signs.PositiveTraits[s].startsWith(you), qPrintable(tables.Signs.SignName[s]));
            QVERIFY2(tables.Signs.NegativeTraits[s].startsWith(you), qPrintable(tables.Signs.SignName[s]));
        }
        // Sun to Saturn describe the planet; Uranus, Neptune and Pluto speak to the reader.
        for (int p = 0; p < PlanetCount; ++p) {
            const bool outer = p >= 7;
            QVERIFY2(tables.Planets.PositiveTraits[p].startsWith(you) == outer, qPrintable(tables.Planets.PlanetName[p]));
            QVERIFY2(tables.Planets.NegativeTraits[p].contains(QStringLiteral("You")) == outer,
                     qPrintable(tables.Planets.PlanetName[p]));
            if (!outer)
                QVERIFY2(tables.Planets.PositiveTraits[p].contains(tables.Planets.PlanetName[p]),
                         qPrintable(tables.Planets.PlanetName[p]));
        }
        for (int h = 0; h < HouseCount; ++h)
            QVERIFY2(tables.Houses.Attributes[h].contains(QStringLiteral(" you")), qPrintable(tables.Houses.HouseNumber[h]));
    }

    void proseTextsAreAllDifferent()
    {
        QSet<QString> texts;
        for (const auto* column : {&tables.Signs.PositiveTraits, &tables.Signs.NegativeTraits, &tables.Houses.Attributes})
            for (int i = 0; i < SignCount; ++i)
                texts.insert((*column)[i]);
        for (const auto* column : {&tables.Planets.PositiveTraits, &tables.Planets.NegativeTraits})
            for (int i = 0; i < PlanetCount; ++i)
                texts.insert((*column)[i]);
        QCOMPARE(texts.size(), 3 * SignCount + 2 * PlanetCount);
    }

    void leoIsTheLongestText()
    {
        const QString& leo = tables.Signs.PositiveTraits[4];
        QCOMPARE(leo.size(), 1000);
        QVERIFY(leo.startsWith(QStringLiteral("You ")));
        int others = 0;
        for (const QString& text : allSlots(tables)) {
            if (text == leo)
                continue;
            QVERIFY2(text.size() < leo.size(), qPrintable(text.left(40)));
            ++others;
        }
        QVERIFY(others > 0);
    }

    void fixedTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Neptune positive")
            << tables.Planets.PositiveTraits[8]
            << "You are bound to be spiritually inclined. You have very good intuitive powers. You have very good "
               "creative and artistic abilities. You are born spiritual leaders. You are a genius in the making "
               "only if you put your mind to it.";
        QTest::newRow("Pluto negative")
            << tables.Planets.NegativeTraits[9]
            << "You can be very aggressive and dominating. Do not resort to violence at any cost. Your controlling "
               "nature can prove to be too difficult to handle for others.";
    }

    void fixedTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void accentOnlyInFifthHouse()
    {
        const QString& fifth = tables.Houses.Attributes[4];
        int nonAscii = 0;
        for (qsizetype i = 0; i < fifth.size(); ++i) {
            if (fifth[i].unicode() <= 126)
                continue;
            ++nonAscii;
            QCOMPARE(fifth[i], QChar(0x00E9));
            QVERIFY(i > 0 && fifth[i - 1].isLetter());
        }
        QCOMPARE(nonAscii, 1);
        QString plain = fifth;
        plain.replace(QChar(0x00E9), QLatin1Char('e'));
        QVERIFY(isPrintableAscii(plain));
        // Everything else is printable ASCII; only the two-house lines hold a line break.
        for (const QString& set : Sets) {
            for (int c = 0; c < columnCountOf(set); ++c) {
                const auto column = columnOf(tables, set, c);
                for (std::size_t i = 0; i < column.size(); ++i) {
                    if (set == QLatin1String("house") && c == HouseAttributes && i == 4)
                        continue;
                    QString text = column[i];
                    if (set == QLatin1String("planet") && c == PlanetRulerForHouse)
                        text.remove(QStringLiteral("\r\n"));
                    QVERIFY2(isPrintableAscii(text), qPrintable(QStringLiteral("%1 %2 %3").arg(set).arg(c).arg(i)));
                }
            }
        }
    }

    void captions_data()
    {
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("columnCount");
        QTest::newRow("signs") << toList(SignAttributeCaptions())
                               << QStringList{"Glyphs (Image)", "Dates", "Sign Numbers", "Opposite Signs",
                                              "Keywords", "Positive Traits", "Negative Traits", "Element",
                                              "Ruling Planet", "Lucky Number", "Lucky Color", "Lucky Day",
                                              "Birthstone", "Quality", "Anatomy", "Flower Essence"}
                               << SignSet::ColumnCount;
        QTest::newRow("planets") << toList(PlanetAttributeCaptions())
                                 << QStringList{"Glyphs (Image)", "Ruler for Sign", "Keywords", "Positive Traits",
                                                "Negative Traits", "Anatomy", "Time to complete one Cycle",
                                                "Ruler for House"}
                                 << PlanetSet::ColumnCount;
        QTest::newRow("houses") << toList(HouseAttributeCaptions())
                                << QStringList{"House Name", "House Planet Ruler", "House Sign Ruler", "Attributes",
                                               "Keywords", "Mantra", "House Type"}
                                << HouseSet::ColumnCount - 2;
    }

    void captions()
    {
        QFETCH(QStringList, actual);
        QFETCH(QStringList, expected);
        QFETCH(int, columnCount);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.size(), columnCount);
    }

    void pictureKeys_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const QStringList signs = QStringLiteral(
            "01aries.jpg 02taurus.jpg 03gemini.jpg 04cancer.jpg 05leo.jpg 06virgo.jpg 07libra.jpg 08scorpio.jpg "
            "09sagittarius.jpg 10capricorn.jpg 11aquarius.jpg 12pisces.jpg").split(QLatin1Char(' '));
        for (int s = 0; s < SignCount; ++s)
            QTest::newRow(qPrintable(QStringLiteral("sign %1").arg(s))) << SignPictureKey(s) << signs[s];
        QTest::newRow("sign -1") << SignPictureKey(-1) << QString();
        QTest::newRow("sign 12") << SignPictureKey(12) << QString();
        const QStringList planets = QStringLiteral(
            "01sun.jpg 02moon.jpg 03jupiter.jpg 04mercury.jpg 05venus.jpg 06mars.jpg 07saturn.jpg 08uranus.jpg "
            "09neptune.jpg 10pluto.jpg").split(QLatin1Char(' '));
        for (int p = 0; p < PlanetCount; ++p)
            QTest::newRow(qPrintable(QStringLiteral("planet %1").arg(p))) << PlanetPictureKey(p) << planets[p];
        QTest::newRow("planet -1") << PlanetPictureKey(-1) << QString();
        QTest::newRow("planet 10") << PlanetPictureKey(10) << QString();
    }

    void pictureKeys()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // One spelling through all course texts: American.
    void textsUseAmericanSpelling()
    {
        for (const QString& text : allSlots(tables))
            QVERIFY2(FirstBritishSpelling(text).isEmpty(), qPrintable(FirstBritishSpelling(text)));
    }

private:
    AstrologyTables tables;
};

ORVANEL_TEST(TestAstrologyTables)
#include "test_astrology_tables.moc"
