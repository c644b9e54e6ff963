// Checks the numerology content tables: subjects, slices, values, headings, owner lookup and
// the shape and length of every built-in text.
#include <QTest>

#include "courses/numerology/logic/modLearnNumerology.h"
#include "british_spellings.h"
#include "test_registry.h"

using namespace modLearnNumerology;

namespace {

struct SubjectInfo {
    const char* name;
    int start;
    int end;
    QList<int> values;
    int interpMin;
    int interpMax;
    int calcLines;
};

const QList<int> kNineAndMasters{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
const QList<int> kOneToNine{1, 2, 3, 4, 5, 6, 7, 8, 9};
const QList<int> kZeroToEight{0, 1, 2, 3, 4, 5, 6, 7, 8};

QList<int> oneToThirtyOne()
{
    QList<int> v;
    for (int i = 1; i <= 31; ++i)
        v.append(i);
    return v;
}

const QList<SubjectInfo>& subjects()
{
    static const QList<SubjectInfo> rows{
        {"Life Path Number", 0, 10, kNineAndMasters, 191, 483, 3},
        {"Destiny / Expression Number", 11, 21, kNineAndMasters, 261, 524, 7},
        {"Soul's Urge/ Heart's Desire Number", 22, 32, kNineAndMasters, 298, 418, 7},
        {"Inner Dreams / Personality Number", 33, 43, kNineAndMasters, 296, 396, 7},
        {"Birthday Number", 44, 74, oneToThirtyOne(), 235, 588, 1},
        {"Life Path / Expression Bridge Number", 75, 83, kZeroToEight, 146, 343, 3},
        {"Heart Desire / Personality Bridge Number", 84, 92, kZeroToEight, 198, 343, 3},
        {"Balance Number", 93, 101, kOneToNine, 224, 335, 11},
        {"Maturity / Realization Number", 102, 112, kNineAndMasters, 186, 442, 6},
        {"Pinnacle Number", 113, 123, kNineAndMasters, 287, 583, 6},
        {"Challenge Number", 124, 132, kZeroToEight, 314, 501, 5},
        {"Life Path Period Number", 133, 143, kNineAndMasters, 210, 500, 8},
        {"Personal Day Number", 144, 152, kOneToNine, 140, 342, 9},
        {"Personal Month Number", 153, 161, kOneToNine, 170, 275, 3},
        {"Personal Year Number", 162, 170, kOneToNine, 226, 414, 3},
    };
    return rows;
}

const QString kCrLf = QStringLiteral("\r\n");

// Printable ASCII only (blank to tilde).
bool isPrintableAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

void addSubjectRows()
{
    QTest::addColumn<int>("subject");
    for (int s = 0; s < SubjectCount; ++s)
        QTest::newRow(subjects()[s].name) << s;
}

} // namespace

class TestNumerologyTables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tables.FillNumerologyTables(); }

    void counts()
    {
        QCOMPARE(SubjectCount, 15);
        QCOMPARE(SubjectSlots, 16);
        QCOMPARE(EntryCount, 171);
        QCOMPARE(int(subjects().size()), SubjectCount);
    }

    void subjectRow_data() { addSubjectRows(); }
    void subjectRow()
    {
        QFETCH(int, subject);
        const SubjectInfo& info = subjects()[subject];
        QCOMPARE(tables.SubjectName[subject], QString::fromLatin1(info.name));
        QCOMPARE(int(tables.SubjectStart[subject]), info.start);
        QCOMPARE(int(tables.SubjectEnd[subject]), info.end);
        QCOMPARE(info.end - info.start + 1, int(info.values.size()));
        for (int i = 0; i < info.values.size(); ++i)
            QCOMPARE(int(tables.InterpNumber[info.start + i]), info.values[i]);
    }

    void slicesContiguous()
    {
        QCOMPARE(int(tables.SubjectStart[0]), 0);
        for (int s = 0; s + 1 < SubjectCount; ++s)
            QCOMPARE(int(tables.SubjectStart[s + 1]), tables.SubjectEnd[s] + 1);
        QCOMPARE(int(tables.SubjectEnd[SubjectCount - 1]), EntryCount - 1);
        const QList<int> starts{0, 11, 22, 33, 44, 75, 84, 93, 102, 113, 124, 133, 144, 153, 162};
        const QList<int> ends{10, 21, 32, 43, 74, 83, 92, 101, 112, 123, 132, 143, 152, 161, 170};
        for (int s = 0; s < SubjectCount; ++s) {
            QCOMPARE(int(tables.SubjectStart[s]), starts[s]);
            QCOMPARE(int(tables.SubjectEnd[s]), ends[s]);
        }
    }

    void slotFifteenEmpty()
    {
        QVERIFY(tables.SubjectName[15].isEmpty());
        QVERIFY(tables.Significance[15].isEmpty());
        QVERIFY(tables.Calculation[15].isEmpty());
        QCOMPARE(int(tables.SubjectStart[15]), 0);
        QCOMPARE(int(tables.SubjectEnd[15]), 0);
    }

    void valuesOnlyWhereAllowed()
    {
        for (int e = 0; e < EntryCount; ++e) {
            const int v = tables.InterpNumber[e];
            const int s = OwnerSubject(e);
            if (v == 0)
                QVERIFY2(s == 5 || s == 6 || s == 10, qPrintable(QString::number(e)));
            if (v == 10)
                QCOMPARE(s, 4);
            QVERIFY(v != 33);
        }
    }

    void headings_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("heading");
        QTest::newRow("0") << 0 << QStringLiteral("Life Path Number 1");
        QTest::newRow("9") << 9 << QStringLiteral("Life Path Number 11");
        QTest::newRow("10") << 10 << QStringLiteral("Life Path Number 22");
        QTest::newRow("21") << 21 << QStringLiteral("Destiny / Expression Number 22");
        QTest::newRow("22") << 22 << QStringLiteral("Soul's Urge/ Heart's Desire Number 1");
        QTest::newRow("43") << 43 << QStringLiteral("Inner Dreams / Personality Number 22");
        QTest::newRow("53") << 53 << QStringLiteral("Birthday Number 10");
        QTest::newRow("74") << 74 << QStringLiteral("Birthday Number 31");
        QTest::newRow("75") << 75 << QStringLiteral("Life Path / Expression Bridge Number 0");
        QTest::newRow("84") << 84 << QStringLiteral("Heart Desire / Personality Bridge Number 0");
        QTest::newRow("101") << 101 << QStringLiteral("Balance Number 9");
        QTest::newRow("112") << 112 << QStringLiteral("Maturity / Realization Number 22");
        QTest::newRow("122") << 122 << QStringLiteral("Pinnacle Number 11");
        QTest::newRow("124") << 124 << QStringLiteral("Challenge Number 0");
        QTest::newRow("143") << 143 << QStringLiteral("Life Path Period Number 22");
        QTest::newRow("150") << 150 << QStringLiteral("Personal Day Number 7");
        QTest::newRow("153") << 153 << QStringLiteral("Personal Month Number 1");
        QTest::newRow("170") << 170 << QStringLiteral("Personal Year Number 9");
    }
    void headings()
    {
        QFETCH(int, entry);
        QFETCH(QString, heading);
        QCOMPARE(EntryHeading(entry), heading);
    }

    void headingFormEveryEntry()
    {
        for (int e = 0; e < EntryCount; ++e) {
            const int s = OwnerSubject(e);
            QCOMPARE(EntryHeading(e), tables.SubjectName[s] + QLatin1Char(' ') + QString::number(tables.InterpNumber[e]));
        }
    }

    void ownerSubject_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("owner");
        for (int s = 0; s < SubjectCount; ++s) {
            const SubjectInfo& info = subjects()[s];
            for (int e = info.start; e <= info.end; ++e)
                QTest::addRow("%d", e) << e << s;
        }
        QTest::newRow("-1") << -1 << -1;
        QTest::newRow("-100") << -100 << -1;
        QTest::newRow("171") << 171 << -1;
        QTest::newRow("1000") << 1000 << -1;
    }
    void ownerSubject()
    {
        QFETCH(int, entry);
        QFETCH(int, owner);
        QCOMPARE(OwnerSubject(entry), owner);
    }

    void fixedTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("significance 0")
            << tables.Significance[0]
            << QStringLiteral("This represents who you are at birth. It gives a broad outline of the various "
                              "good and bad opportunities, struggles that you may have to face throughout "
                              "your life.");
        QTest::newRow("significance 12")
            << tables.Significance[12]
            << QStringLiteral("What you think, imagine and do during the day sets the platform and example "
                              "for the days to come.");
        QTest::newRow("calculation 0")
            << tables.Calculation[0]
            << QStringLiteral("The Life Path is the sum of the digits of your date if birth. Add all the "
                              "numbers together to reduce it to a single number.\r\n"
                              "e.g.: 06/08/1979= 6+8+1+9+7+9 =40=4.\r\n"
                              "Life path Number = 4");
        QTest::newRow("calculation 12")
            << tables.Calculation[12]
            << QStringLiteral("Follow the example to determine your Personal Day.\r\n"
                              "Birth Day: 10\r\n"
                              "Birth Month: 1\r\n"
                              "Current Day: 1\r\n"
                              "Current Month: 2\r\n"
                              "Current Year: 2006\r\n"
                              "Result: 1+0+1+1+2+2+0+0+ 6 = 13\r\n"
                              "1+3 = 4\r\n"
                              "So, in this case the Personal Day is 4.");
        QTest::newRow("entry 75")
            << tables.InterpText[75]
            << QStringLiteral("You will probably experience a great deal of peace in your life. This is a "
                              "very lucky combination and generally indicates progress in these areas.");
        QTest::newRow("entry 150")
            << tables.InterpText[150]
            << QStringLiteral("Maintaining cool is the key to this day. Do your best to stay calm and "
                              "balanced during the day. Avoid getting upset, confused or frustrated.");
    }
    void fixedTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Lines of the calculation texts quoted word for word: subject, line index (-1 = last), text.
    void quotedCalculationLines_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 table intro") << 1 << 2 << QStringLiteral("The manual calculation table is shown as below:");
        QTest::newRow("3 result") << 3 << -1 << QStringLiteral("Personality Number = 1+8+5 + 1+4+2+8 = 5+6 = 11");
        QTest::newRow("5 method")
            << 5 << 0
            << QStringLiteral("This is calculated for a person by subtracting the life path number from the "
                              "expression number or vice versa.");
        QTest::newRow("5 result") << 5 << -1 << QStringLiteral("Life Path / Expression Bridge Number = 4 - 3 = 1");
        QTest::newRow("6 result") << 6 << -1 << QStringLiteral("Heart Desire / Personality Bridge Number = 5 - 3 = 2");
        QTest::newRow("7 digits") << 7 << 2 << QStringLiteral("1 2 3 4 5 6 7 8 9");
        QTest::newRow("7 A-I") << 7 << 3 << QStringLiteral("A B C D E F G H I");
        QTest::newRow("7 J-R") << 7 << 4 << QStringLiteral("J K L M N O P Q R");
        QTest::newRow("7 S-Z") << 7 << 5 << QStringLiteral("S T U V W X Y Z");
        QTest::newRow("7 therefore") << 7 << 6 << QStringLiteral("Therefore,");
        QTest::newRow("7 sum") << 7 << 9 << QStringLiteral("So 1 + 1 = 2");
        QTest::newRow("8 result")
            << 8 << -1 << QStringLiteral("Maturity Number = Life path Number + Destiny Number = 1 +8 = 9");
        QTest::newRow("11 example") << 11 << 3 << QStringLiteral("For Example:");
        QTest::newRow("11 date") << 11 << 4 << QStringLiteral("For date of birth 6/10/2000");
        QTest::newRow("11 first") << 11 << 5 << QStringLiteral("First Life Path Period = 1");
        QTest::newRow("11 second") << 11 << 6 << QStringLiteral("Second Life Path Period = 6");
        QTest::newRow("11 third") << 11 << 7 << QStringLiteral("Third Life Path Period = 2");
        QTest::newRow("13 result") << 13 << -1 << QStringLiteral("Your Personal Month Number will be 1+5+7+5+2+0+0+7=27");
    }
    void quotedCalculationLines()
    {
        QFETCH(int, subject);
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList lines = tables.Calculation[subject].split(kCrLf);
        const int index = line < 0 ? int(lines.size()) - 1 : line;
        QVERIFY(index < lines.size());
        QCOMPARE(lines[index], text);
    }

    void sharedBridgeTexts_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("6") << 81 << 90;
        QTest::newRow("7") << 82 << 91;
        QTest::newRow("8") << 83 << 92;
    }
    void sharedBridgeTexts()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QCOMPARE(tables.InterpText[first], tables.InterpText[second]);
        QCOMPARE(tables.InterpNumber[first], tables.InterpNumber[second]);
        QVERIFY(EntryHeading(first) != EntryHeading(second));
    }

    // Apart from the three shared bridge texts, every entry has its own text.
    void interpretationsDistinct()
    {
        for (int a = 0; a < EntryCount; ++a) {
            for (int b = a + 1; b < EntryCount; ++b) {
                const bool shared = a >= 81 && a <= 83 && b == a + 9;
                if (!shared)
                    QVERIFY2(tables.InterpText[a] != tables.InterpText[b], qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
            }
        }
    }

    void interpretationLengths_data() { addSubjectRows(); }
    void interpretationLengths()
    {
        QFETCH(int, subject);
        const SubjectInfo& info = subjects()[subject];
        for (int e = info.start; e <= info.end; ++e) {
            const QString& text = tables.InterpText[e];
            const QString where = EntryHeading(e) + QStringLiteral(": ") + QString::number(text.size());
            QVERIFY2(text.size() >= info.interpMin && text.size() <= info.interpMax, qPrintable(where));
            QVERIFY2(isPrintableAscii(text), qPrintable(where));
            QVERIFY2(text == text.trimmed(), qPrintable(where));
        }
    }

    void significanceTexts_data() { addSubjectRows(); }
    void significanceTexts()
    {
        QFETCH(int, subject);
        const QString& text = tables.Significance[subject];
        QVERIFY2(text.size() >= 97 && text.size() <= 339, qPrintable(QString::number(text.size())));
        QVERIFY(isPrintableAscii(text));
        QCOMPARE(text, text.trimmed());
    }

    void calculationTexts_data() { addSubjectRows(); }
    void calculationTexts()
    {
        QFETCH(int, subject);
        const QString& text = tables.Calculation[subject];
        QVERIFY2(text.size() >= 182 && text.size() <= 890, qPrintable(QString::number(text.size())));
        QVERIFY(!text.endsWith(kCrLf));
        QVERIFY(!text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')));
        const QStringList lines = text.split(kCrLf);
        QCOMPARE(int(lines.size()), subjects()[subject].calcLines);
        for (const QString& line : lines) {
            QVERIFY(!line.isEmpty());
            QVERIFY2(isPrintableAscii(line), qPrintable(line));
        }
    }

    void subjectNamesAscii()
    {
        for (int s = 0; s < SubjectCount; ++s)
            QVERIFY(isPrintableAscii(tables.SubjectName[s]));
    }

    void fillTwiceIdentical()
    {
        tables.FillNumerologyTables();
        const auto names = tables.SubjectName;
        const auto significance = tables.Significance;
        const auto calculation = tables.Calculation;
        const auto starts = tables.SubjectStart;
        const auto ends = tables.SubjectEnd;
        const auto numbers = tables.InterpNumber;
        const auto texts = tables.InterpText;
        tables.FillNumerologyTables();
        QVERIFY(names == tables.SubjectName);
        QVERIFY(significance == tables.Significance);
        QVERIFY(calculation == tables.Calculation);
        QVERIFY(starts == tables.SubjectStart);
        QVERIFY(ends == tables.SubjectEnd);
        QVERIFY(numbers == tables.InterpNumber);
        QVERIFY(texts == tables.InterpText);
    }

    // A caller that changed a slot gets the built-in value back from the next fill.
    void fillRestoresChangedSlots()
    {
        tables.SubjectName[3] = QStringLiteral("changed");
        tables.SubjectName[15] = QStringLiteral("changed");
        tables.SubjectEnd[15] = 7;
        tables.InterpNumber[0] = 99;
        tables.InterpText[170].clear();
        tables.FillNumerologyTables();
        QCOMPARE(tables.SubjectName[3], QStringLiteral("Inner Dreams / Personality Number"));
        QVERIFY(tables.SubjectName[15].isEmpty());
        QCOMPARE(int(tables.SubjectEnd[15]), 0);
        QCOMPARE(int(tables.InterpNumber[0]), 1);
        QVERIFY(!tables.InterpText[170].isEmpty());
    }

    // One spelling through all course texts: American.
    void textsUseAmericanSpelling()
    {
        QStringList texts;
        for (int s = 0; s < SubjectCount; ++s)
            texts << tables.SubjectName[s] << tables.Significance[s] << tables.Calculation[s];
        texts << QStringList(tables.InterpText.begin(), tables.InterpText.end());
        for (const QString& text : texts)
            QVERIFY2(FirstBritishSpelling(text).isEmpty(), qPrintable(FirstBritishSpelling(text)));
    }

private:
    NumerologyTables tables;
};

ORVANEL_TEST(TestNumerologyTables)
#include "test_numerology_tables.moc"
