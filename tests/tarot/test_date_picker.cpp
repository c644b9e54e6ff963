// The three-list date picker: its lists, the day fit, writing and reading its value,
// DateChanged, Enabled and its size.
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "../common/controls.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"
#include "courses/tarot/date_picker.h"
#include "platform/clock.h"

namespace {

void setToday(const QDate& day) { platform::setFixedNow(QDateTime(day, QTime(12, 0))); }

QComboBox* list(UserControl1& picker, const char* name) { return child<QComboBox>(&picker, QString::fromLatin1(name)); }

} // namespace

class TestDatePicker : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void createdShowingToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("leap day") << QDate(2024, 2, 29) << QDate(2024, 2, 29);
        QTest::newRow("31st") << QDate(2023, 12, 31) << QDate(2023, 12, 31);
        QTest::newRow("first day of the lists") << QDate(1980, 1, 1) << QDate(1980, 1, 1);
        QTest::newRow("last day of the lists") << QDate(2099, 12, 31) << QDate(2099, 12, 31);
        QTest::newRow("clock before the lists") << QDate(1975, 6, 15) << QDate(1980, 1, 1);
        QTest::newRow("clock after the lists") << QDate(2100, 3, 1) << QDate(2099, 12, 31);
    }

    void createdShowingToday()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, shown);
        setToday(today);
        UserControl1 picker;
        QCOMPARE(picker.value(), shown);
    }

    void listsHoldDaysMonthsAndYears()
    {
        UserControl1 picker;
        QComboBox* days = list(picker, "cboDate");
        QComboBox* months = list(picker, "cboMonth");
        QComboBox* years = list(picker, "cboYear");
        QCOMPARE(days->count(), 31);
        QCOMPARE(days->itemText(30), QStringLiteral("31"));
        QCOMPARE(months->count(), 12);
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(months->itemText(m - 1), QLocale::system().monthName(m, QLocale::LongFormat));
        QCOMPARE(years->count(), 120);
        QCOMPARE(years->itemText(0), QStringLiteral("1980"));
        QCOMPARE(years->itemText(119), QStringLiteral("2099"));
        for (QComboBox* box : {days, months, years})
            QVERIFY(!box->isEditable());
    }

    void dayFitsThePickedMonth_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("position");
        QTest::addColumn<QDate>("result");
        QTest::newRow("31 in a 30-day month") << QDate(2023, 4, 10) << "cboDate" << 30 << QDate(2023, 4, 30);
        QTest::newRow("February from the 31st, leap year") << QDate(2024, 1, 31) << "cboMonth" << 1 << QDate(2024, 2, 29);
        QTest::newRow("February from the 30th") << QDate(2023, 1, 30) << "cboMonth" << 1 << QDate(2023, 2, 28);
        QTest::newRow("leap day, year without one") << QDate(2024, 2, 29) << "cboYear" << 2023 - 1980 << QDate(2023, 2, 28);
        QTest::newRow("2000 is a leap year") << QDate(2000, 1, 31) << "cboMonth" << 1 << QDate(2000, 2, 29);
        QTest::newRow("2099 is not") << QDate(2096, 2, 29) << "cboYear" << 2099 - 1980 << QDate(2099, 2, 28);
        QTest::newRow("a longer month never moves the day up") << QDate(2023, 2, 28) << "cboMonth" << 2 << QDate(2023, 3, 28);
        QTest::newRow("a day that exists stays") << QDate(2023, 3, 15) << "cboMonth" << 3 << QDate(2023, 4, 15);
        QTest::newRow("first year") << QDate(1999, 5, 5) << "cboYear" << 0 << QDate(1980, 5, 5);
    }

    void dayFitsThePickedMonth()
    {
        QFETCH(QDate, shown);
        QFETCH(QString, listName);
        QFETCH(int, position);
        QFETCH(QDate, result);
        UserControl1 picker;
        picker.setValue(shown);
        QList<QDate> raised;
        connect(&picker, &UserControl1::DateChanged, this, [&] { raised << picker.value(); });
        child<QComboBox>(&picker, listName)->setCurrentIndex(position);
        QCOMPARE(picker.value(), result);
        QCOMPARE(raised, QList<QDate>{result});
    }

    void keyboardPicksToo()
    {
        setToday(QDate(2023, 3, 31));
        UserControl1 picker;
        QSignalSpy changed(&picker, &UserControl1::DateChanged);
        QTest::keyClick(list(picker, "cboMonth"), Qt::Key_Down); // April has 30 days
        QCOMPARE(picker.value(), QDate(2023, 4, 30));
        QCOMPARE(changed.count(), 1);
    }

    void writingShowsTheWrittenDate_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("written");
        QTest::addColumn<QDate>("result");
        QTest::newRow("31 March while February is shown") << QDate(2023, 2, 10) << QDate(2023, 3, 31) << QDate(2023, 3, 31);
        QTest::newRow("29 February 2024 while 2023 is shown") << QDate(2023, 2, 10) << QDate(2024, 2, 29) << QDate(2024, 2, 29);
        QTest::newRow("30th while a 28-day month is shown") << QDate(2023, 2, 28) << QDate(2023, 11, 30) << QDate(2023, 11, 30);
        QTest::newRow("shorter month after a long one") << QDate(2023, 1, 31) << QDate(2023, 2, 28) << QDate(2023, 2, 28);
        QTest::newRow("first day") << QDate(2023, 2, 10) << QDate(1980, 1, 1) << QDate(1980, 1, 1);
        QTest::newRow("last day") << QDate(2023, 2, 10) << QDate(2099, 12, 31) << QDate(2099, 12, 31);
        QTest::newRow("before the lists") << QDate(2023, 2, 10) << QDate(1979, 12, 31) << QDate(1980, 1, 1);
        QTest::newRow("after the lists") << QDate(2023, 2, 10) << QDate(2100, 1, 5) << QDate(2099, 12, 31);
        QTest::newRow("no date") << QDate(2023, 2, 10) << QDate() << QDate(2023, 2, 10);
    }

    void writingShowsTheWrittenDate()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, written);
        QFETCH(QDate, result);
        UserControl1 picker;
        picker.setValue(shown);
        QList<QDate> raised;
        connect(&picker, &UserControl1::DateChanged, this, [&] { raised << picker.value(); });
        picker.setValue(written);
        QCOMPARE(picker.value(), result);
        // Listeners that read the value when it changes see the final date.
        if (result != shown)
            QCOMPARE(raised.value(raised.size() - 1), result);
        else
            QVERIFY(raised.isEmpty());
    }

    void enabledReadsWhatWasWritten()
    {
        UserControl1 picker;
        QVERIFY(!picker.Enabled());
        QVERIFY(list(picker, "cboDate")->isEnabled());
        picker.setEnabledValue(false);
        QVERIFY(!picker.Enabled());
        for (const char* name : {"cboDate", "cboMonth", "cboYear"})
            QVERIFY(!list(picker, name)->isEnabled());
        picker.setEnabledValue(true);
        QVERIFY(picker.Enabled());
        for (const char* name : {"cboDate", "cboMonth", "cboYear"})
            QVERIFY(list(picker, name)->isEnabled());
    }

    void foreColourReachesEveryList()
    {
        UserControl1 picker;
        picker.setForeColor(QColor(200, 0, 0));
        QCOMPARE(picker.ForeColor(), QColor(200, 0, 0));
        for (const char* name : {"cboMonth", "cboYear"})
            QCOMPARE(list(picker, name)->palette().color(QPalette::Text), QColor(200, 0, 0));
    }

    // Pickers share their lists' measured sizes per font: one in a large font after one in
    // the desktop's, and one in the desktop's after that, each hold their own lists whole.
    void fixedSizeHoldsItsLists_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("desktop font") << 0.0;
        QTest::newRow("large font") << 16.0;
        QTest::newRow("desktop font again") << 0.0;
    }

    void fixedSizeHoldsItsLists()
    {
        QFETCH(double, points);
        QWidget parent;
        if (points > 0) {
            QFont large = parent.font();
            large.setPointSizeF(points);
            parent.setFont(large);
        }
        UserControl1 picker(&parent);
        picker.resize(400, 100);
        // 3200 x 400 twips, or more where the desktop's font needs it; never what it was asked.
        QVERIFY2(picker.width() >= 213 && picker.height() >= 26,
                 qPrintable(QStringLiteral("%1 x %2").arg(picker.width()).arg(picker.height())));
        QVERIFY(picker.size() != QSize(400, 100));
        int right = 0;
        int listsWidth = 0;
        for (const char* name : {"cboDate", "cboMonth", "cboYear"}) {
            QComboBox* box = list(picker, name);
            QVERIFY(picker.rect().contains(box->geometry()));
            QVERIFY2(box->geometry().left() > right, name); // side by side, not overlapping
            right = box->geometry().right();
            // Wide and high enough for its longest entry: no month name or year is cut.
            QVERIFY2(box->width() >= box->sizeHint().width(), name);
            QVERIFY2(box->height() >= box->sizeHint().height(), name);
            listsWidth += box->sizeHint().width();
        }
        // The designed size holds whenever the lists fit in it.
        if (listsWidth + 10 <= 213 && list(picker, "cboMonth")->sizeHint().height() + 4 <= 26) // margins 2, gaps 3
            QCOMPARE(picker.size(), QSize(213, 26));
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestDatePicker)
#include "test_date_picker.moc"
