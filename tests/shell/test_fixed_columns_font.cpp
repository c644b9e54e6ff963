// The font for column texts: chosen by measured advances, not by a family's fixed-pitch flag.
#include <QFontMetricsF>
#include <QTest>

#include "shell/fixed_columns_font.h"
#include "test_registry.h"

using namespace fixed_columns;

class TestFixedColumnsFont : public QObject {
    Q_OBJECT
private slots:
    void evenAdvancesOverTheGivenCharacters_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<bool>("even");
        QTest::newRow("proportional, ASCII") << "DejaVu Sans" << printableAscii() << false;
        QTest::newRow("proportional, i and W") << "DejaVu Sans" << "iW" << false;
        QTest::newRow("proportional, digits only") << "DejaVu Sans" << "0123456789" << true;
        QTest::newRow("fixed, ASCII") << "DejaVu Sans Mono" << printableAscii() << true;
        // A combining accent takes no room of its own, so it cannot stand in a column.
        QTest::newRow("fixed, combining accent") << "DejaVu Sans Mono" << QStringLiteral("e\u0301") << false;
    }
    void evenAdvancesOverTheGivenCharacters()
    {
        QFETCH(QString, family);
        QFETCH(QString, characters);
        QFETCH(bool, even);
        QFont font(family);
        font.setPointSizeF(9);
        QCOMPARE(evenAdvances(font, characters), even);
    }

    void firstEvenFamilySkipsProportionalOnes_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("chosen");
        const QStringList proportionalFirst{"DejaVu Sans", "DejaVu Sans Mono"};
        QTest::newRow("proportional first, 9 pt") << proportionalFirst << 9.0 << QString() << "DejaVu Sans Mono";
        QTest::newRow("proportional first, 20 pt") << proportionalFirst << 20.0 << QString() << "DejaVu Sans Mono";
        QTest::newRow("fixed first") << QStringList{"DejaVu Sans Mono", "DejaVu Sans"} << 9.0 << QString()
                                     << "DejaVu Sans Mono";
        QTest::newRow("only proportional") << QStringList{"DejaVu Sans"} << 9.0 << QString() << QString();
        QTest::newRow("none") << QStringList{} << 9.0 << QString() << QString();
        QTest::newRow("extra character none can keep") << proportionalFirst << 9.0 << QStringLiteral("\u0301")
                                                       << QString();
    }
    void firstEvenFamilySkipsProportionalOnes()
    {
        QFETCH(QStringList, families);
        QFETCH(qreal, pointSize);
        QFETCH(QString, extra);
        QFETCH(QString, chosen);
        QCOMPARE(firstEvenFamily(families, pointSize, extra), chosen);
    }

    // Whatever this desktop's fonts, the font given has the size asked for and one advance for
    // every printable ASCII character, measured here on its own.
    void chosenFontKeepsColumns_data()
    {
        QTest::addColumn<qreal>("pointSize");
        for (qreal size : {7.0, 9.0, 9.75, 14.0})
            QTest::addRow("%g pt", size) << size;
    }
    void chosenFontKeepsColumns()
    {
        QFETCH(qreal, pointSize);
        const QFont font = fixedColumnsFont(pointSize);
        QCOMPARE(font.pointSizeF(), pointSize);
        const QFontMetricsF metrics(font);
        const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
        QVERIFY(blank > 0);
        for (char c = '!'; c <= '~'; ++c)
            QVERIFY2(qAbs(metrics.horizontalAdvance(QLatin1Char(c)) - blank) < 0.01,
                     qPrintable(QStringLiteral("'%1' is %2 wide, a blank %3 in %4")
                                    .arg(QLatin1Char(c)).arg(metrics.horizontalAdvance(QLatin1Char(c)))
                                    .arg(blank).arg(font.family())));
        // A line of narrow letters is as wide as one of wide letters.
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("il1.il1.")), metrics.horizontalAdvance(QStringLiteral("WMWMWMWM")));
    }
};

ORVANEL_TEST(TestFixedColumnsFont)
#include "test_fixed_columns_font.moc"
