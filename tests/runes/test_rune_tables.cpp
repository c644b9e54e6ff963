// Checks the layout and texts of the built-in rune tables.
#include "../../courses/runes/logic/modLearnRunes.h"
#include "../common/test_registry.h"

#include <QSet>
#include <QTest>

using namespace modLearnRunes;

namespace {

// Runes whose stave looks the same upside down; each carries a note instead of a reversed reading.
const QList<int> NonReversible{6, 8, 10, 11, 15, 21, 22};

template <std::size_t N>
QList<int> positionsOf(const std::array<QString, N>& table, const QString& text)
{
    QList<int> found;
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == text)
            found.append(int(i));
    return found;
}

const std::array<QString, RuneCount>& meaningTable(const QString& name)
{
    if (name == QLatin1String("upright"))
        return UprightMeanings;
    if (name == QLatin1String("reversed"))
        return ReversedMeanings;
    return MerkstaveMeanings;
}

} // namespace

class TestRuneTables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FillRuneTables(); }

    void stoneNamesFollowFuthark()
    {
        const QStringList futhark = QStringLiteral(
            "Fehu Uruz Thurisaz Ansuz Raidho Kenaz Gebo Wunjo Hagalaz Nauthiz Isa Jera Eihwaz Perthro "
            "Algiz Sowilo Tiwaz Berkano Ehwaz Mannaz Laguz Ingwaz Dagaz Othala").split(QLatin1Char(' '));
        QCOMPARE(futhark.size(), RuneCount);
        for (int r = 0; r < RuneCount; ++r)
            QCOMPARE(StoneNames[r], futhark[r]);
    }

    void keywordPositions_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("Fehu 0") << "Wealth" << QList<int>{0};
        QTest::newRow("Fehu 1") << "Mobility" << QList<int>{1};
        QTest::newRow("Fehu 2") << "Fulfillment" << QList<int>{2};
        QTest::newRow("Othala 0") << "Ancestry" << QList<int>{92};
        QTest::newRow("Othala 1") << "Prosperity" << QList<int>{93};
        QTest::newRow("Othala 2") << "Inheritance" << QList<int>{94};
        QTest::newRow("Othala 3") << "Family" << QList<int>{95};
        QTest::newRow("Intuition") << "Intuition" << QList<int>{3, 83, 91};
        QTest::newRow("Knowledge") << "Knowledge" << QList<int>{13, 20, 51};
        QTest::newRow("Protection") << "Protection" << QList<int>{8, 35, 57};
        QTest::newRow("Fertility") << "Fertility" << QList<int>{23, 47};
        QTest::newRow("Rebirth") << "Rebirth" << QList<int>{12, 68};
        QTest::newRow("Communication") << "Communication" << QList<int>{14, 48};
        QTest::newRow("Justice") << "Justice" << QList<int>{15, 64};
        QTest::newRow("Movement") << "Movement" << QList<int>{17, 73};
        QTest::newRow("Interaction") << "Interaction" << QList<int>{26, 75};
        QTest::newRow("Transformation") << "Transformation" << QList<int>{32, 63};
        QTest::newRow("Birth") << "Birth" << QList<int>{52, 82};
        QTest::newRow("Spirit") << "Spirit" << QList<int>{56, 71};
        QTest::newRow("Partnership") << "Partnership" << QList<int>{60, 74};
        QTest::newRow("Spiritual is not Spirit") << "Spiritual" << QList<int>{19};
    }

    void keywordPositions()
    {
        QFETCH(QString, keyword);
        QFETCH(QList<int>, positions);
        QCOMPARE(positionsOf(StoneKeywords, keyword), positions);
    }

    void keywordAndNameCounts()
    {
        const QSet<QString> keywords(StoneKeywords.begin(), StoneKeywords.end());
        QCOMPARE(keywords.size(), 80);
        QVERIFY(!keywords.contains(QString()));
        const QSet<QString> names(AlternativeNames.begin(), AlternativeNames.end());
        QCOMPARE(names.size(), RuneCount * AlternativeNamesPerRune);
        QVERIFY(!names.contains(QString()));
        QCOMPARE(AlternativeNames[0], QStringLiteral("Faihu"));
        QCOMPARE(AlternativeNames[69], QStringLiteral("Utal"));
        QCOMPARE(AlternativeNames[70], QStringLiteral("Odal"));
        QCOMPARE(AlternativeNames[71], QStringLiteral("Otael"));
    }

    void meaningLengths_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rune");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("maxLength");
        for (int r = 0; r < RuneCount; ++r) {
            const QByteArray name = StoneNames[r].toLatin1();
            QTest::newRow("upright " + name) << "upright" << r << 233 << 662;
            QTest::newRow("reversed " + name) << "reversed" << r << 26 << 330;
            if (NonReversible.contains(r))
                QTest::newRow("merkstave " + name) << "merkstave" << r << 76 << 130;
        }
    }

    void meaningLengths()
    {
        QFETCH(QString, table);
        QFETCH(int, rune);
        QFETCH(int, minLength);
        QFETCH(int, maxLength);
        const QString& text = meaningTable(table)[rune];
        QVERIFY2(text.size() >= minLength && text.size() <= maxLength,
                 qPrintable(QStringLiteral("length %1").arg(text.size())));
    }

    void merkstaveAgainstReversed()
    {
        for (int r = 0; r < RuneCount; ++r) {
            if (NonReversible.contains(r))
                QVERIFY2(MerkstaveMeanings[r] != ReversedMeanings[r], qPrintable(StoneNames[r]));
            else
                QVERIFY2(MerkstaveMeanings[r] == ReversedMeanings[r], qPrintable(StoneNames[r]));
        }
    }

    void fixedTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Gebo reversed") << ReversedMeanings[6]
            << "Gebo rune cannot be reversed. The meaning can be understood from the other runes that fall with it.";
        QTest::newRow("Hagalaz reversed") << ReversedMeanings[8] << "This rune is not reversed.";
        QTest::newRow("Isa reversed") << ReversedMeanings[10]
            << "This rune cannot be reversed. This will have to be read with the surrounding runes.";
        QTest::newRow("Jera reversed") << ReversedMeanings[11]
            << "This rune is non reversible and has to be read with the surrounding runes.";
        QTest::newRow("Sowilo reversed") << ReversedMeanings[15] << "This rune cannot be reversed.";
        QTest::newRow("Ingwaz reversed") << ReversedMeanings[21] << "This is a non reversible rune.";
        QTest::newRow("Dagaz reversed") << ReversedMeanings[22] << "This is a nonreversible rune.";
        QTest::newRow("Algiz reversed") << ReversedMeanings[14]
            << "This indicates vulnerability. Watch for hidden traps and strengthen your defense.";
        QTest::newRow("Hagalaz merkstave") << MerkstaveMeanings[8]
            << "There may be a natural disaster or catastrophe. It may also lead to pain, suffering and disillusionment.";
        QTest::newRow("Sowilo upright") << UprightMeanings[15]
            << "This is the 'sun' rune which indicates victory. There may be a sudden change but always for the "
               "better. It shows good health and lot of energy. There may also be ESP related to the divine world. "
               "On the whole this is a positive rune. This is full of power and radiance.";
    }

    void fixedTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void uprightLineBreaks()
    {
        const QString& fehu = UprightMeanings[0];
        QVERIFY(fehu.startsWith(QStringLiteral("The meaning of the rune is 'cattle'")));
        QCOMPARE(fehu.count(QStringLiteral("\r\n")), 1);
        QCOMPARE(fehu.indexOf(QStringLiteral("\r\n")) + 2,
                 fehu.indexOf(QStringLiteral("This rune may be linked to Frey or Freya")));
        for (int r = 0; r < RuneCount; ++r) {
            const int breaks = r <= 1 ? 1 : 0;
            const QString& text = UprightMeanings[r];
            QCOMPARE(text.count(QStringLiteral("\r\n")), breaks);
            QCOMPARE(text.count(QLatin1Char('\r')), breaks);
            QCOMPARE(text.count(QLatin1Char('\n')), breaks);
        }
    }

    void textsArePlainAscii()
    {
        auto check = [](const QString& text) {
            for (QChar c : text) {
                const bool lineBreak = c == QLatin1Char('\r') || c == QLatin1Char('\n');
                if (c.unicode() > 126 || (c.unicode() < 32 && !lineBreak))
                    return false;
            }
            return true;
        };
        for (const auto* table : {&UprightMeanings, &ReversedMeanings, &MerkstaveMeanings, &StoneNames})
            for (const QString& text : *table)
                QVERIFY2(check(text), qPrintable(text.left(40)));
        for (const QString& text : StoneKeywords)
            QVERIFY(check(text));
        for (const QString& text : AlternativeNames)
            QVERIFY(check(text));
        for (int a = 0; a < AettCount; ++a)
            QVERIFY(check(AettTheme(a)));
    }

    void fillingAgainRestoresTheSameTables()
    {
        const auto upright = UprightMeanings;
        const auto merkstave = MerkstaveMeanings;
        const auto keywords = StoneKeywords;
        const auto names = AlternativeNames;
        UprightMeanings[3].clear();
        MerkstaveMeanings[23] = QStringLiteral("changed");
        StoneKeywords[50].clear();
        FillRuneTables();
        FillRuneTables();
        QVERIFY(UprightMeanings == upright);
        QVERIFY(MerkstaveMeanings == merkstave);
        QVERIFY(StoneKeywords == keywords);
        QVERIFY(AlternativeNames == names);
    }

    void imageKeysAndAetts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key 0") << StoneImageKey(0) << "01 Fehu";
        QTest::newRow("key 9") << StoneImageKey(9) << "10 Nauthiz";
        QTest::newRow("key 23") << StoneImageKey(23) << "24 Othala";
        QTest::newRow("key 24") << StoneImageKey(24) << "25 Blank";
        QTest::newRow("key 25") << StoneImageKey(25) << QString();
        QTest::newRow("key -1") << StoneImageKey(-1) << QString();
        QTest::newRow("caption 0") << AettCaption(0) << "First Aett";
        QTest::newRow("caption 1") << AettCaption(1) << "Second Aett";
        QTest::newRow("caption 2") << AettCaption(2) << "Third Aett";
        QTest::newRow("caption 3") << AettCaption(3) << QString();
        QTest::newRow("theme 0") << AettTheme(0)
            << "The theme of the first Aett of runes is the unity of the initial forces of fire, chaos, ice and "
               "order to bring about the gift of the gods.";
        QTest::newRow("theme 1") << AettTheme(1)
            << "The theme of the second Aett of runes is development of consciousness from the basic level to the "
               "more matured, higher and the complex thought patterns.";
        QTest::newRow("theme 2") << AettTheme(2)
            << "The theme of the third Aett of runes is 'transition'. It projects the natural progression of "
               "mankind from his first days to the end of the world.";
        QTest::newRow("theme 3") << AettTheme(3) << QString();
    }

    void imageKeysAndAetts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

ORVANEL_TEST(TestRuneTables)
#include "test_rune_tables.moc"
