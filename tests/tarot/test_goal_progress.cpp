// Day counts and the progress message of a goal.
#include <QTest>

#include "../common/test_registry.h"
#include "courses/tarot/logic/goal_progress.h"

using modGoals::ProgressOf;
using modGoals::ShortestShare;

class TestGoalProgress : public QObject {
    Q_OBJECT

private slots:
    void shortestShare_data()
    {
        QTest::addColumn<float>("share");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("two decimals") << float(100.0 / 7 * 3) << english << "42.86";
        QTest::newRow("whole") << 50.0f << english << "50";
        QTest::newRow("zero") << 0.0f << english << "0";
        QTest::newRow("one decimal") << 0.5f << english << "0.5";
        QTest::newRow("above a hundred") << 150.0f << english << "150";
        QTest::newRow("no group separator") << float(100.0 / 7 * 100) << english << "1428.57";
        QTest::newRow("half rounds up") << 3.125f << english << "3.13";
        QTest::newRow("rounds to whole") << 99.999f << english << "100";
        QTest::newRow("locale separator") << float(100.0 / 7 * 3) << german << "42,86";
        QTest::newRow("locale, one decimal") << 0.5f << german << "0,5";
        QTest::newRow("locale, thousands") << 1234.5f << german << "1234,5";
    }

    void shortestShare()
    {
        QFETCH(float, share);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(ShortestShare(share, locale), text);
    }

    void progress_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("showRemaining");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("remaining");
        const QDate today(2009, 9, 24);
        const QString at40 = QStringLiteral("You should have achieved %1%. You have actually achieved 40%");
        QTest::newRow("7 days started 3 days ago") << today.addDays(-3) << today.addDays(4) << today << true
                                                   << at40.arg("42.86") << "4";
        QTest::newRow("starts tomorrow") << today.addDays(1) << today.addDays(8) << today << true
                                         << "Your goal starting date has been set for the future" << "";
        QTest::newRow("starts today") << today << today.addDays(7) << today << true << at40.arg("0") << "7";
        QTest::newRow("ending passed") << today.addDays(-10) << today.addDays(-3) << today << true
                                       << at40.arg("142.86") << "-3";
        QTest::newRow("ends today") << today.addDays(-4) << today << today << true << at40.arg("100") << "0";
        QTest::newRow("half a percent") << today.addDays(-1) << today.addDays(199) << today << true << at40.arg("0.5") << "199";
        QTest::newRow("percentage list disabled") << today.addDays(-3) << today.addDays(4) << today << false
                                                  << at40.arg("42.86") << "";
        QTest::newRow("same start and end") << today.addDays(-3) << today.addDays(-3) << today << true << "" << "";
        QTest::newRow("end before start") << today.addDays(-3) << today.addDays(-5) << today << true << "" << "";
        // Longer than 16 bits of days: 43829 in all, 21915 passed.
        QTest::newRow("whole picker range") << QDate(1980, 1, 1) << QDate(2099, 12, 31) << QDate(2040, 1, 1) << true
                                            << at40.arg("50") << "21914";
        QTest::newRow("more than 32767 days passed") << QDate(1980, 1, 1) << QDate(1980, 1, 11) << QDate(2099, 12, 31) << true
                                                     << at40.arg("438290") << "-43819";
    }

    void progress()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QDate, today);
        QFETCH(bool, showRemaining);
        QFETCH(QString, info);
        QFETCH(QString, remaining);
        const auto progress = ProgressOf(start, end, today, 40, showRemaining, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(progress.info, info);
        QCOMPARE(progress.daysRemaining, remaining);
    }
};

ORVANEL_TEST(TestGoalProgress)
#include "test_goal_progress.moc"
