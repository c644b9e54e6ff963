// Value labels through the accessibility interfaces a screen reader uses: the name joins
// caption and value and follows every change, the text interface reads the value, and
// ordinary labels stay as Qt makes them.
#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include "heard_value.h"
#include "shell/value_label.h"
#include "test_registry.h"

namespace {

QAccessibleInterface* accessibleOf(QLabel* label) { return QAccessible::queryAccessibleInterface(label); }

QString nameOf(QLabel* label) { return accessibleOf(label)->text(QAccessible::Name); }

} // namespace

class TestValueLabel : public QObject {
    Q_OBJECT
private slots:
    void nameJoinsCaptionAndValue_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Qt::TextFormat>("format");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("count") << "Total Day(s) To Achieve Goal" << Qt::PlainText << "7"
                               << "Total Day(s) To Achieve Goal: 7" << "7";
        QTest::newRow("negative count") << "Day(s) Remaining To Achieve Goal" << Qt::PlainText << "-3"
                                        << "Day(s) Remaining To Achieve Goal: -3" << "-3";
        QTest::newRow("empty: the caption alone") << "Progress" << Qt::PlainText << "" << "Progress" << "";
        QTest::newRow("caption with its colon") << "Score:" << Qt::PlainText << "4 of 5" << "Score: 4 of 5" << "4 of 5";
        QTest::newRow("value that begins with the caption")
            << "Question" << Qt::PlainText << "Question 3 of 15" << "Question 3 of 15" << "Question 3 of 15";
        QTest::newRow("caption inside the value is not enough")
            << "Question" << Qt::PlainText << "3 of 15, Question" << "Question: 3 of 15, Question" << "3 of 15, Question";
        QTest::newRow("two lines heard as one") << "Progress" << Qt::PlainText << "You should\nhave achieved 5%"
                                                << "Progress: You should have achieved 5%" << "You should\nhave achieved 5%";
        QTest::newRow("markup is not read") << "Score" << Qt::RichText << "<b>12</b> of 20" << "Score: 12 of 20"
                                            << "12 of 20";
    }

    void nameJoinsCaptionAndValue()
    {
        QFETCH(QString, caption);
        QFETCH(Qt::TextFormat, format);
        QFETCH(QString, shown);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QLabel label;
        label.setTextFormat(format);
        value_label::announce(&label, caption);
        label.setText(shown);
        QCOMPARE(nameOf(&label), name);
        QCOMPARE(accessibleOf(&label)->text(QAccessible::Value), value);
        QAccessibleTextInterface* text = accessibleOf(&label)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), value.size());
        QCOMPARE(text->text(0, text->characterCount()), value);
    }

    void nameAndTextFollowEveryChange()
    {
        QLabel label;
        value_label::announce(&label, QStringLiteral("Total Day(s) To Achieve Goal"));
        for (const QString& value : {QStringLiteral("7"), QStringLiteral("91"), QString(), QStringLiteral("43829")}) {
            label.setText(value);
            QVERIFY_HEARD(&label, QStringLiteral("Total Day(s) To Achieve Goal"));
        }
        label.setNum(12);
        QCOMPARE(nameOf(&label), QStringLiteral("Total Day(s) To Achieve Goal: 12"));
        label.clear();
        QCOMPARE(nameOf(&label), QStringLiteral("Total Day(s) To Achieve Goal"));
    }

    // A label asked for before it became a value label (as a screen reader asks for every new
    // widget) is heard as one afterwards; its earlier fixed name gives way to caption and value.
    void labelAskedForEarlierBecomesAValueLabel()
    {
        QLabel label(QStringLiteral("4"));
        label.setAccessibleName(QStringLiteral("Day(s) Remaining To Achieve Goal"));
        QCOMPARE(nameOf(&label), QStringLiteral("Day(s) Remaining To Achieve Goal"));
        QVERIFY(!accessibleOf(&label)->textInterface());
        value_label::announce(&label, QStringLiteral("Day(s) Remaining To Achieve Goal"));
        QCOMPARE(nameOf(&label), QStringLiteral("Day(s) Remaining To Achieve Goal: 4"));
        label.setText(QStringLiteral("3"));
        QCOMPARE(nameOf(&label), QStringLiteral("Day(s) Remaining To Achieve Goal: 3"));
        QVERIFY(accessibleOf(&label)->textInterface());
    }

    void ordinaryLabelsStayAsQtMakesThem()
    {
        QLabel valueLabel;
        value_label::announce(&valueLabel, QStringLiteral("Score"));
        QLabel plain(QStringLiteral("Select one option"));
        QCOMPARE(nameOf(&plain), QStringLiteral("Select one option"));
        QVERIFY(!accessibleOf(&plain)->textInterface());
    }

    void textInterfaceReadsAndSelectsParts()
    {
        QLabel label(QStringLiteral("You should have achieved 42.86%"));
        label.setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        value_label::announce(&label, QStringLiteral("Progress"));
        QAccessibleTextInterface* text = accessibleOf(&label)->textInterface();
        QCOMPARE(text->text(4, 10), QStringLiteral("should"));
        QCOMPARE(text->text(25, 99), QStringLiteral("42.86%"));
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(6, QAccessible::WordBoundary, &start, &end), QStringLiteral("should"));
        QCOMPARE(text->selectionCount(), 0);
        text->setSelection(0, 25, 31);
        QCOMPARE(label.selectedText(), QStringLiteral("42.86%"));
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(start, 25);
        QCOMPARE(end, 31);
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
    }

    // Each new value reaches a running screen reader as a change of the label's name.
    void changesAreAnnounced()
    {
        // Only a running accessibility bus (not the offscreen platform) delivers the events.
        if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
            !QTest::qWaitFor([] { return QAccessible::isActive(); }, 2000))
            QSKIP("needs an active accessibility bus");
        QLabel label;
        value_label::announce(&label, QStringLiteral("Total Day(s) To Achieve Goal"));
        static QStringList heard;
        heard.clear();
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged)
                heard << event->accessibleInterface()->text(QAccessible::Name);
        });
        label.setText(QStringLiteral("7"));
        label.setText(QStringLiteral("8"));
        label.setText(QString());
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(heard, (QStringList{"Total Day(s) To Achieve Goal: 7", "Total Day(s) To Achieve Goal: 8",
                                     "Total Day(s) To Achieve Goal"}));
    }
};

ORVANEL_TEST(TestValueLabel)
#include "test_value_label.moc"
