// The goals page: loading, the two views, new, save, update, mark and delete with their
// messages, control states and file contents, file problems, and the keyboard and screen
// reader paths to the list's check boxes and the view options.
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "../common/controls.h"
#include "../common/fixtures.h"
#include "../common/heard_value.h"
#include "../common/test_registry.h"
#include "courses/tarot/date_picker.h"
#include "courses/tarot/goals_page.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "shell/exact_text.h"

namespace {

const QDate Today(2009, 9, 24);
const QByteArray CourtCards = "\"Memorise the court cards\",#2009-09-21#,#2009-09-28#,\"Three cards a day\",#FALSE#,40\r\n";
const QByteArray Arcana = "\"Learn the major arcana\",#2009-09-01#,#2009-12-01#,\"Line one\r\nLine two\",#FALSE#,10\r\n";
const QByteArray Done = "\"Done goal\",#2009-01-01#,#2009-02-01#,\"x\",#TRUE#,100\r\n";
const QByteArray Suits = "\"Suits\",#2009-09-20#,#2009-10-20#,\"\",#FALSE#,0\r\n";

const QString DateMessage = QStringLiteral("Starting date can't be same or later than ending date.");
const QString NameMessage = QStringLiteral("Goal name can't be blank.");

QString goalsPath() { return platform::UserDataFile(QStringLiteral("goals.txt")); }

void writeGoals(const QByteArray& bytes)
{
    QFile file(goalsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray goalsBytes()
{
    QFile file(goalsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QString progressText(const QString& expected, int achieved)
{
    QString share = expected;
    share.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return QStringLiteral("You should have achieved %1%. You have actually achieved %2%").arg(share).arg(achieved);
}

} // namespace

class TestGoalsPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        platform::setFixedNow(QDateTime(Today, QTime(9, 30)));
    }
    void cleanup()
    {
        page.reset();
        env.reset();
    }

    void withoutFileThePageStaysEmpty()
    {
        open();
        QCOMPARE(listed(), QStringList());
        for (const char* name : {"txtGoalName", "txtGoalDesc", "cmdSaveGoals", "Combo3"})
            QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
        QVERIFY(!picker("mydtpStartingDate")->Enabled());
        QVERIFY(env->messages.empty());
        QVERIFY(!QFile::exists(goalsPath()));
    }

    void loadShowsTheCurrentGoalsAndTheFirstOne()
    {
        writeGoals(CourtCards + Done + Arcana);
        open();
        QCOMPARE(listed(), (QStringList{"Memorise the court cards", "Learn the major arcana"}));
        QVERIFY(control<QRadioButton>("optGoals_0")->isChecked());
        QTreeWidgetItem* first = list()->topLevelItem(0);
        QCOMPARE(list()->currentItem(), first);
        QVERIFY(first->isSelected());
        QVERIFY(first->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(first->checkState(0), Qt::Unchecked);
        expectFields("Memorise the court cards", "Three cards a day", QDate(2009, 9, 21), QDate(2009, 9, 28), 40);
        QCOMPARE(label("lblDayCount"), QStringLiteral("7"));
        QCOMPARE(label("lblDaysRemaining"), QStringLiteral("4"));
        QCOMPARE(label("lblInfo"), progressText("42.86", 40));
        for (const char* name : {"txtGoalName", "txtGoalDesc", "cmdSaveGoals", "Combo3"})
            QVERIFY2(control<QWidget>(name)->isEnabled(), name);
        QVERIFY(picker("mydtpStartingDate")->Enabled());
        QVERIFY(env->messages.empty());
    }

    // A screen reader hears each value with its caption, reads it as the label's text, and
    // hears the new value after each change.
    void valuesAreHeardWithTheirCaptions_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("changed");
        QTest::newRow("day count") << "lblDayCount" << "Total Day(s) To Achieve Goal" << "7" << "91";
        QTest::newRow("days remaining") << "lblDaysRemaining" << "Day(s) Remaining To Achieve Goal" << "4" << "68";
        QTest::newRow("progress") << "lblInfo" << "Progress" << progressText("42.86", 40) << progressText("25.27", 10);
    }

    void valuesAreHeardWithTheirCaptions()
    {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        QFETCH(QString, changed);
        writeGoals(CourtCards + Arcana);
        open();
        auto* shown = control<QLabel>(qPrintable(label));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(shown);
        QCOMPARE(accessible->text(QAccessible::Name), caption + QStringLiteral(": ") + value);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), value);

        list()->setCurrentItem(list()->topLevelItem(1));
        QCOMPARE(shown->text(), changed);
        QVERIFY_HEARD(shown, caption);
        QCOMPARE(accessible->text(QAccessible::Name), caption + QStringLiteral(": ") + changed);

        // Without goals the caption is heard alone.
        for (int row = 0; row < 2; ++row)
            list()->topLevelItem(row)->setCheckState(0, Qt::Checked);
        control<QPushButton>("cmdDeleteGoals")->click();
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        QCOMPARE(text->characterCount(), 0);
    }

    void aClickedItemShowsItsGoal()
    {
        writeGoals(CourtCards + Arcana + Suits);
        open();
        showPage();
        QTreeWidgetItem* arcana = list()->topLevelItem(1);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(arcana).center());
        expectFields("Learn the major arcana", "Line one\nLine two", QDate(2009, 9, 1), QDate(2009, 12, 1), 10);
        QCOMPARE(label("lblDayCount"), QStringLiteral("91"));
        QCOMPARE(label("lblInfo"), progressText("25.27", 10));
        QTest::keyClick(list(), Qt::Key_Down);
        expectFields("Suits", "", QDate(2009, 9, 20), QDate(2009, 10, 20), 0);
    }

    void viewsShowCurrentOrAchievedGoals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("view");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("achieved") << CourtCards + Done << 1 << QStringList{"Done goal"};
        QTest::newRow("achieved, none") << CourtCards << 1 << QStringList{};
        QTest::newRow("current again") << CourtCards + Done << 0 << QStringList{"Memorise the court cards"};
        QTest::newRow("current, none") << Done << 0 << QStringList{};
    }

    void viewsShowCurrentOrAchievedGoals()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, view);
        QFETCH(QStringList, shown);
        writeGoals(file);
        open();
        control<QRadioButton>("optGoals_1")->click();
        if (view == 0)
            control<QRadioButton>("optGoals_0")->click();
        QCOMPARE(listed(), shown);
        for (int row = 0; row < list()->topLevelItemCount(); ++row)
            QCOMPARE(bool(list()->topLevelItem(row)->flags() & Qt::ItemIsUserCheckable), view == 0);
        QCOMPARE(control<QPushButton>("cmdSaveGoals")->isEnabled(), !shown.isEmpty());
        QCOMPARE(picker("mydtpEndingDate")->Enabled(), !shown.isEmpty());
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), shown.value(0));
    }

    void newGoalIsAppendedAtZeroPercent_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("from the current view") << 0;
        QTest::newRow("from the achieved view") << 1;
    }

    void newGoalIsAppendedAtZeroPercent()
    {
        QFETCH(int, view);
        writeGoals(CourtCards + Done);
        open();
        showPage();
        control<QRadioButton>(qPrintable(QStringLiteral("optGoals_%1").arg(view)))->click();
        control<QPushButton>("cmdNewGoal")->click();
        expectFields("", "", Today, Today.addDays(7), 0);
        QCOMPARE(label("lblDayCount"), QStringLiteral("7"));
        QVERIFY(!label("lblEditMode").isEmpty());
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("txtGoalName"));
        for (const char* name : {"txtGoalName", "txtGoalDesc", "cmdSaveGoals", "Combo3"})
            QVERIFY2(control<QWidget>(name)->isEnabled(), name);

        QTest::keyClicks(control<QLineEdit>("txtGoalName"), "Reversed cards");
        control<QPlainTextEdit>("txtGoalDesc")->setPlainText("two\nlines");
        control<QComboBox>("Combo3")->setCurrentIndex(60);
        control<QPushButton>("cmdSaveGoals")->click();

        QVERIFY(env->messages.empty());
        QCOMPARE(goalsBytes(), CourtCards + Done +
                                   "\"Reversed cards\",#2009-09-24#,#2009-10-01#,\"two\r\nlines\",#FALSE#,0\r\n");
        QVERIFY(control<QRadioButton>("optGoals_0")->isChecked());
        QCOMPARE(listed(), (QStringList{"Memorise the court cards", "Reversed cards"}));
        QCOMPARE(list()->currentItem(), list()->topLevelItem(0));
        QVERIFY(list()->topLevelItem(0)->isSelected());
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Memorise the court cards"));
        QVERIFY(label("lblEditMode").isEmpty());
    }

    void saveChecksDatesThenName_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("same day") << 0 << "n" << DateMessage;
        QTest::newRow("end before start") << -1 << "n" << DateMessage;
        QTest::newRow("dates are checked first") << 0 << "" << DateMessage;
        QTest::newRow("empty name") << 1 << "" << NameMessage;
        QTest::newRow("one day later") << 1 << "n" << "";
        QTest::newRow("a name of blanks") << 1 << "   " << "";
    }

    void saveChecksDatesThenName()
    {
        QFETCH(int, days);
        QFETCH(QString, name);
        QFETCH(QString, message);
        writeGoals(CourtCards);
        open();
        control<QPushButton>("cmdNewGoal")->click();
        picker("mydtpEndingDate")->setValue(Today.addDays(days));
        control<QLineEdit>("txtGoalName")->setText(name);
        control<QPlainTextEdit>("txtGoalDesc")->setPlainText("typed");
        control<QPushButton>("cmdSaveGoals")->click();
        if (message.isEmpty()) {
            QVERIFY(env->messages.empty());
            QCOMPARE(listed(), (QStringList{"Memorise the court cards", name}));
            return;
        }
        QCOMPARE(env->prompts(), QStringList{message});
        QCOMPARE(env->messages.front().style, platform::vbCritical);
        QCOMPARE(goalsBytes(), CourtCards);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), name);
        QCOMPARE(control<QPlainTextEdit>("txtGoalDesc")->toPlainText(), QStringLiteral("typed"));
    }

    void updateOverwritesTheSelectedGoal()
    {
        writeGoals(CourtCards + Arcana + Done);
        open();
        list()->setCurrentItem(list()->topLevelItem(1));
        control<QLineEdit>("txtGoalName")->setText("Major arcana");
        control<QComboBox>("Combo3")->setCurrentIndex(70);
        picker("mydtpEndingDate")->setValue(QDate(2010, 1, 31));
        control<QPushButton>("cmdSaveGoals")->click();
        QVERIFY(env->messages.empty());
        QCOMPARE(goalsBytes(), CourtCards +
                                   "\"Major arcana\",#2009-09-01#,#2010-01-31#,\"Line one\r\nLine two\",#FALSE#,70\r\n" + Done);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Memorise the court cards"));
    }

    void updateKeepsAnAchievedGoalAchieved()
    {
        writeGoals(CourtCards + Done);
        open();
        control<QRadioButton>("optGoals_1")->click();
        control<QLineEdit>("txtGoalName")->setText("Done, renamed");
        control<QPushButton>("cmdSaveGoals")->click();
        QCOMPARE(goalsBytes(), CourtCards + "\"Done, renamed\",#2009-01-01#,#2009-02-01#,\"x\",#TRUE#,100\r\n");
        QVERIFY(control<QRadioButton>("optGoals_0")->isChecked());
        QCOMPARE(listed(), QStringList{"Memorise the court cards"});
    }

    void clickingAnItemKeepsNewGoalMode()
    {
        writeGoals(CourtCards + Arcana);
        open();
        control<QPushButton>("cmdNewGoal")->click();
        list()->setCurrentItem(list()->topLevelItem(1));
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Learn the major arcana"));
        control<QPushButton>("cmdSaveGoals")->click();
        QCOMPARE(listed(), (QStringList{"Memorise the court cards", "Learn the major arcana", "Learn the major arcana"}));
    }

    void markAndDeleteTheCheckedGoals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("view");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        const QByteArray three = CourtCards + Arcana + Suits;
        const QByteArray doneCourt = "\"Memorise the court cards\",#2009-09-21#,#2009-09-28#,\"Three cards a day\",#TRUE#,40\r\n";
        const QByteArray doneSuits = "\"Suits\",#2009-09-20#,#2009-10-20#,\"\",#TRUE#,0\r\n";
        QTest::newRow("mark two") << "cmdMarkAchived" << 0 << QList<int>{0, 2} << doneCourt + Arcana + doneSuits
                                  << QStringList{"Learn the major arcana"};
        QTest::newRow("mark none") << "cmdMarkAchived" << 0 << QList<int>{} << three
                                   << QStringList{"Memorise the court cards", "Learn the major arcana", "Suits"};
        QTest::newRow("mark in the achieved view") << "cmdMarkAchived" << 1 << QList<int>{} << three
                                                   << QStringList{"Memorise the court cards", "Learn the major arcana", "Suits"};
        QTest::newRow("delete two") << "cmdDeleteGoals" << 0 << QList<int>{0, 2} << Arcana << QStringList{"Learn the major arcana"};
        QTest::newRow("delete in the achieved view") << "cmdDeleteGoals" << 1 << QList<int>{} << three
                                                     << QStringList{"Memorise the court cards", "Learn the major arcana", "Suits"};
    }

    void markAndDeleteTheCheckedGoals()
    {
        QFETCH(QString, button);
        QFETCH(int, view);
        QFETCH(QList<int>, checked);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        writeGoals(CourtCards + Arcana + Suits);
        open();
        if (view == 1)
            control<QRadioButton>("optGoals_1")->click();
        for (int row : checked)
            list()->topLevelItem(row)->setCheckState(0, Qt::Checked);
        control<QPushButton>(qPrintable(button))->click();
        QVERIFY(env->messages.empty()); // no question before deleting
        QCOMPARE(goalsBytes(), file);
        QCOMPARE(listed(), shown);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), shown.value(0));
        // The list shows the current goals; the view option stays as it was.
        QVERIFY(control<QRadioButton>(qPrintable(QStringLiteral("optGoals_%1").arg(view)))->isChecked());
    }

    void deletingTheOnlyGoalEmptiesThePage()
    {
        writeGoals(CourtCards);
        open();
        list()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        control<QPushButton>("cmdDeleteGoals")->click();
        QCOMPARE(goalsBytes(), QByteArray());
        QCOMPARE(listed(), QStringList());
        for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
            QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QString());
        QCOMPARE(label("lblDayCount"), QString());
        QCOMPARE(label("lblInfo"), QString());
    }

    void goalsSurviveARestart()
    {
        open();
        control<QPushButton>("cmdNewGoal")->click();
        const QString name = QString::fromUtf8("The \"Tower\", reversed ♜");
        const QString description = QString::fromUtf8("First \"line\"\nSecond line, ü,\u00a010\u00a0days\n");
        control<QLineEdit>("txtGoalName")->setText(name);
        control<QPlainTextEdit>("txtGoalDesc")->setPlainText(description);
        picker("mydtpStartingDate")->setValue(QDate(2024, 2, 29));
        picker("mydtpEndingDate")->setValue(QDate(2099, 12, 31));
        control<QPushButton>("cmdSaveGoals")->click();
        // An update stores the picked percentage.
        control<QComboBox>("Combo3")->setCurrentIndex(35);
        control<QPushButton>("cmdSaveGoals")->click();

        page.reset();
        open();
        QCOMPARE(listed(), QStringList{name});
        expectFields(name, description, QDate(2024, 2, 29), QDate(2099, 12, 31), 35);
        QVERIFY(env->messages.empty());
    }

    void dayCountFollowsThePickers_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("count");
        QTest::newRow("a week") << QDate(2009, 9, 21) << QDate(2009, 9, 28) << "7";
        QTest::newRow("negative shown as it is") << QDate(2009, 9, 21) << QDate(2009, 9, 18) << "-3";
        QTest::newRow("zero") << QDate(2009, 9, 21) << QDate(2009, 9, 21) << "0";
        QTest::newRow("whole range, beyond 16 bits") << QDate(1980, 1, 1) << QDate(2099, 12, 31) << "43829";
        QTest::newRow("whole range backwards") << QDate(2099, 12, 31) << QDate(1980, 1, 1) << "-43829";
    }

    void dayCountFollowsThePickers()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, count);
        writeGoals(CourtCards);
        open();
        picker("mydtpStartingDate")->setValue(start);
        picker("mydtpEndingDate")->setValue(end);
        QCOMPARE(label("lblDayCount"), count);
    }

    void screenReaderToggleChecksAGoal_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("mark") << "cmdMarkAchived"
                              << CourtCards + "\"Learn the major arcana\",#2009-09-01#,#2009-12-01#,\"Line one\r\nLine two\",#TRUE#,10\r\n" + Suits;
        QTest::newRow("delete") << "cmdDeleteGoals" << CourtCards + Suits;
    }

    void screenReaderToggleChecksAGoal()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, file);
        writeGoals(CourtCards + Arcana + Suits);
        open();
        QAccessibleInterface* listInterface = QAccessible::queryAccessibleInterface(list());
        QCOMPARE(listInterface->childCount(), 4); // the column header and three goals
        QAccessibleInterface* header = listInterface->child(0);
        QCOMPARE(header->text(QAccessible::Name), QStringLiteral("Goals"));
        QAccessibleInterface* arcana = listInterface->child(2);
        QCOMPARE(arcana->text(QAccessible::Name), QStringLiteral("Learn the major arcana"));
        QCOMPARE(listInterface->indexOfChild(arcana), 2);
        QVERIFY(arcana->state().checkable);
        QVERIFY(!arcana->state().checked);
        QAccessibleActionInterface* actions = arcana->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(arcana->state().checked);
        // A second toggle unticks again.
        QAccessibleInterface* suits = listInterface->child(3);
        suits->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        suits->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!suits->state().checked);
        // Toggling is not selecting: the shown goal stays the first one.
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Memorise the court cards"));
        control<QPushButton>(qPrintable(button))->click();
        QCOMPARE(goalsBytes(), file);
    }

    void screenReaderPressShowsAGoal()
    {
        writeGoals(CourtCards + Arcana);
        open();
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(list())->child(2);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Learn the major arcana"));
        QVERIFY(item->state().selected);
    }

    void achievedItemsOfferNoToggle()
    {
        writeGoals(Done);
        open();
        control<QRadioButton>("optGoals_1")->click();
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(list())->child(1);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Done goal"));
        QVERIFY(!item->state().checkable);
        QVERIFY(!item->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!(list()->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable));
    }

    void spaceBarChecksTheCurrentGoal()
    {
        writeGoals(CourtCards + Arcana);
        open();
        showPage();
        list()->setFocus();
        list()->setCurrentItem(list()->topLevelItem(1));
        QTest::keyClick(list(), Qt::Key_Space);
        QCOMPARE(list()->topLevelItem(1)->checkState(0), Qt::Checked);
        control<QPushButton>("cmdMarkAchived")->click();
        QCOMPARE(listed(), QStringList{"Memorise the court cards"});
    }

    // A tick by mouse or keyboard is told to screen readers as a change of the item's state.
    void keyboardTicksAreAnnounced()
    {
        writeGoals(CourtCards + Arcana);
        open();
        showPage();
        // Only a running accessibility bus (not the offscreen platform) delivers the events.
        if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
            !QTest::qWaitFor([] { return QAccessible::isActive(); }, 2000))
            QSKIP("needs an active accessibility bus");
        static QStringList announced;
        announced.clear();
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::StateChanged &&
                static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked)
                announced << event->accessibleInterface()->text(QAccessible::Name);
        });
        list()->setFocus();
        list()->setCurrentItem(list()->topLevelItem(1));
        QTest::keyClick(list(), Qt::Key_Space);
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(announced, QStringList{"Learn the major arcana"});
    }

    void viewOptionsAnswerEveryWayOfPicking_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("screen reader") << "accessible";
        QTest::newRow("keyboard") << "keyboard";
        QTest::newRow("program") << "program";
    }

    void viewOptionsAnswerEveryWayOfPicking()
    {
        QFETCH(QString, how);
        writeGoals(CourtCards + Done);
        open();
        showPage();
        auto* achieved = control<QRadioButton>("optGoals_1");
        if (how == "accessible") {
            QAccessibleInterface* option = QAccessible::queryAccessibleInterface(achieved);
            const QStringList actions = option->actionInterface()->actionNames();
            option->actionInterface()->doAction(actions.contains(QAccessibleActionInterface::toggleAction())
                                                    ? QAccessibleActionInterface::toggleAction()
                                                    : QAccessibleActionInterface::pressAction());
        } else if (how == "keyboard") {
            control<QRadioButton>("optGoals_0")->setFocus();
            QTest::keyClick(control<QRadioButton>("optGoals_0"), Qt::Key_Down);
        } else {
            achieved->setChecked(true);
        }
        QVERIFY(achieved->isChecked());
        QCOMPARE(listed(), QStringList{"Done goal"});
    }

    void everyControlHasANameAndTakesTheKeyboard()
    {
        open();
        for (const char* name : {"optGoals_0", "optGoals_1", "ListView1", "txtGoalName", "txtGoalDesc", "Combo3",
                                 "cboDate", "cboMonth", "cboYear", "cmdNewGoal", "cmdSaveGoals", "cmdMarkAchived",
                                 "cmdDeleteGoals"}) {
            const auto widgets = page->findChildren<QWidget*>(name);
            QVERIFY2(!widgets.isEmpty(), name);
            for (QWidget* w : widgets) {
                QVERIFY2(w->focusPolicy() & Qt::TabFocus, name);
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(), name);
            }
        }
        QCOMPARE(picker("mydtpStartingDate")->findChild<QComboBox*>("cboMonth")->accessibleName(),
                 QStringLiteral("Goal Starting Date, month"));
    }

    void tabWalksThroughTheFieldsInOrder()
    {
        writeGoals(CourtCards);
        open();
        showPage();
        control<QWidget>("txtGoalName")->setFocus();
        QStringList walked;
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            walked << (focus->parentWidget()->inherits("UserControl1") ? focus->parentWidget()->objectName() + "." : QString()) +
                          focus->objectName();
        }
        QCOMPARE(walked, (QStringList{"txtGoalDesc", "Combo3", "mydtpStartingDate.cboDate", "mydtpStartingDate.cboMonth",
                                      "mydtpStartingDate.cboYear", "mydtpEndingDate.cboDate", "mydtpEndingDate.cboMonth",
                                      "mydtpEndingDate.cboYear"}));
    }

    void damagedFileIsShownToldAndKept()
    {
        const QByteArray file = CourtCards + "not a goal\r\n" + "\"Old\",#1970-01-01#,#2009-01-01#,\"\",#FALSE#,0\r\n";
        writeGoals(file);
        open();
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages.front().style, platform::vbCritical);
        QVERIFY2(env->lastPrompt().contains("line 2") && env->lastPrompt().contains("line 3"), qPrintable(env->lastPrompt()));
        QCOMPARE(listed(), (QStringList{"Memorise the court cards", "Old"}));
        list()->setCurrentItem(list()->topLevelItem(1));
        QCOMPARE(picker("mydtpStartingDate")->value(), QDate(1980, 1, 1));

        list()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        control<QPushButton>("cmdMarkAchived")->click();
        QFile copy(goalsPath() + ".bak");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), file);
        QCOMPARE(goalsBytes(), CourtCards + "\"Old\",#1980-01-01#,#2009-01-01#,\"\",#TRUE#,0\r\n");
    }

    void unreadableFileIsToldAndNotReplaced()
    {
        QVERIFY(QDir(env->userFolder()).mkdir("goals.txt"));
        open();
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(listed(), QStringList());
        control<QPushButton>("cmdNewGoal")->click();
        control<QLineEdit>("txtGoalName")->setText("typed");
        control<QPushButton>("cmdSaveGoals")->click();
        QCOMPARE(env->messages.size(), std::size_t(2));
        QVERIFY(env->lastPrompt().contains("not saved"));
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("typed"));
        QVERIFY(QFileInfo(goalsPath()).isDir());
    }

    void failedWritesKeepPageAndFile_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("new goal") << "new";
        QTest::newRow("update") << "update";
        QTest::newRow("mark") << "mark";
        QTest::newRow("delete") << "delete";
    }

    void failedWritesKeepPageAndFile()
    {
        QFETCH(QString, action);
        writeGoals(CourtCards + Arcana);
        open();
        if (action == "new")
            control<QPushButton>("cmdNewGoal")->click();
        if (action == "new" || action == "update")
            control<QLineEdit>("txtGoalName")->setText("typed");
        else
            list()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        const QString editMode = label("lblEditMode");

        env->blockUserFolder(true);
        const QString button = action == "mark" ? "cmdMarkAchived" : action == "delete" ? "cmdDeleteGoals" : "cmdSaveGoals";
        control<QPushButton>(qPrintable(button))->click();
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages.front().style, platform::vbCritical);
        QVERIFY2(env->lastPrompt().contains("could not be saved"), qPrintable(env->lastPrompt()));
        QCOMPARE(listed(), (QStringList{"Memorise the court cards", "Learn the major arcana"}));
        QCOMPARE(label("lblEditMode"), editMode);
        QCOMPARE(page->goals().Goals.size(), 2);
        QVERIFY(!page->goals().Goals[1].Achieved);
        QCOMPARE(page->goals().Goals[0].Name, QStringLiteral("Memorise the court cards"));
        if (action == "new" || action == "update")
            QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("typed"));
        else
            QCOMPARE(list()->topLevelItem(1)->checkState(0), Qt::Checked);

        // Once the folder can be written again, the same click succeeds.
        env->blockUserFolder(false);
        QCOMPARE(goalsBytes(), CourtCards + Arcana);
        control<QPushButton>(qPrintable(button))->click();
        QCOMPARE(env->messages.size(), std::size_t(1));
        QVERIFY(goalsBytes() != CourtCards + Arcana);
    }

private:
    void open()
    {
        page = std::make_unique<GoalsPage>();
        page->resize(740, 470);
        page->LoadAndShowGoals();
    }
    void showPage()
    {
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }
    template <typename T>
    T* control(const char* name)
    {
        return child<T>(page.get(), QString::fromLatin1(name));
    }
    QTreeWidget* list() { return control<QTreeWidget>("ListView1"); }
    UserControl1* picker(const char* name) { return control<UserControl1>(name); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    QStringList listed()
    {
        QStringList names;
        for (int row = 0; row < list()->topLevelItemCount(); ++row)
            names << list()->topLevelItem(row)->text(0);
        return names;
    }
    void expectFields(const QString& name, const QString& description, QDate start, QDate end, int percentage)
    {
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), name);
        QCOMPARE(exactPlainText(control<QPlainTextEdit>("txtGoalDesc")), description);
        QCOMPARE(picker("mydtpStartingDate")->value(), start);
        QCOMPARE(picker("mydtpEndingDate")->value(), end);
        QCOMPARE(control<QComboBox>("Combo3")->currentText(), QString::number(percentage));
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<GoalsPage> page;
};

ORVANEL_TEST(TestGoalsPage)
#include "test_goals_page.moc"
