// Test runs in the tarot window: both tests at the three levels, answered by mouse, keyboard
// and screen reader; the keyword limit; scores, every card asked once, the report, saving it,
// and card databases the course cannot run on.
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/modImageDB.h"
#include "tarot_environment.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/save_file_dialog.h"
#include "shell/choice_text_box.h"
#include "shell/course_tabs.h"
#include "heard_value.h"
#include "shown_picture.h"
#include "tarot_decks.h"
#include "tarot_window.h"
#include "test_registry.h"
#include "text_columns.h"

using namespace tarot_window;

namespace {

struct CardTexts {
    int id = 0;
    QString normal;
    QString reversed;
    QSet<QString> keywords;
};

// Every card of learn.dll in the program folder, by name.
QHash<QString, CardTexts> readCards()
{
    modDB db;
    QHash<QString, CardTexts> cards;
    if (!tarot_decks::openCardSet(db, QStringLiteral("SELECT * FROM tblCards")))
        return cards;
    for (bool more = db.CardRecordset.MoveFirst(); more; more = db.CardRecordset.MoveNext()) {
        CardTexts& card = cards[db.CardRecordset.Field(QStringLiteral("Name")).toString()];
        card.id = db.CardRecordset.Field(QStringLiteral("ID")).toInt();
        card.normal = db.CardRecordset.Field(QStringLiteral("normalmeaning")).toString();
        card.reversed = db.CardRecordset.Field(QStringLiteral("reversedmeaning")).toString();
    }
    Recordset keywords;
    db.OpenRecordset(keywords, db.CardConnection, QStringLiteral("SELECT * FROM tblKeywords"));
    for (bool more = keywords.MoveFirst(); more; more = keywords.MoveNext())
        for (CardTexts& card : cards)
            if (card.id == keywords.Field(QStringLiteral("CardID")).toInt())
                card.keywords.insert(keywords.Field(QStringLiteral("Keyword")).toString());
    return cards;
}

QList<int> visibleIndices(frmLearnTarotMain* window, const char* array, int count)
{
    QList<int> shown;
    for (int i = 0; i < count; ++i) {
        auto* control = child<QWidget>(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i));
        if (control->isVisibleTo(window) && control->isEnabledTo(window))
            shown << i;
    }
    return shown;
}

QString cardName(frmLearnTarotMain* window) { return child<QLabel>(window, "lblCardName")->text(); }
bool askedReversed(frmLearnTarotMain* window) { return child<QLabel>(window, "lblIsReversed")->text() == "Reversed"; }
QPushButton* nextQuestion(frmLearnTarotMain* window) { return child<QPushButton>(window, "cmdNextQuestion"); }
ChoiceTextBox* choiceBox(frmLearnTarotMain* window, int slot)
{
    return child<ChoiceTextBox>(window, QStringLiteral("Shape1_%1").arg(slot));
}
// The meaning shown on a choice.
QString choiceText(frmLearnTarotMain* window, int slot) { return choiceBox(window, slot)->toPlainText(); }

// Picks the right choice, or a wrong one; returns the slot of the right choice.
int answerDescription(frmLearnTarotMain* window, const QHash<QString, CardTexts>& cards, bool right, How how)
{
    const CardTexts card = cards.value(cardName(window));
    const QString meaning = askedReversed(window) ? card.reversed : card.normal;
    int rightSlot = -1;
    int wrongSlot = -1;
    for (int i : visibleIndices(window, "optAnswer", 7)) {
        if (choiceText(window, i) == QString(meaning).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
            rightSlot = i;
        else
            wrongSlot = i;
    }
    if (rightSlot < 0)
        return -1;
    pick(child<QRadioButton>(window, QStringLiteral("optAnswer_%1").arg(right ? rightSlot : wrongSlot)), how);
    return rightSlot;
}

// Ticks trueOnes of the card's keywords and as many others as the level still asks for.
void answerKeywords(frmLearnTarotMain* window, const QHash<QString, CardTexts>& cards, int toChoose, int trueOnes, How how)
{
    const QSet<QString> own = cards.value(cardName(window)).keywords;
    int trueLeft = trueOnes;
    int wrongLeft = toChoose - trueOnes;
    for (int i : visibleIndices(window, "chkKeywords", 20)) {
        auto* box = child<QCheckBox>(window, QStringLiteral("chkKeywords_%1").arg(i));
        int& left = own.contains(box->accessibleName()) ? trueLeft : wrongLeft;
        if (left > 0) {
            setTicked(box, true, how);
            --left;
        }
    }
}

void startTest(frmLearnTarotMain* window, int type, int level, bool reversed = false)
{
    chooseTest(window, type, level, reversed);
    click(window, "cmdStartTest2");
}

void addLevelRows()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<How>("how");
    QTest::newRow("beginner, mouse") << 0 << How::Click;
    QTest::newRow("intermediate, keyboard") << 1 << How::Keyboard;
    QTest::newRow("advanced, screen reader") << 2 << How::ScreenReader;
}

} // namespace

class TestTarotTestRuns : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TarotEnvironment>(); }
    void cleanup()
    {
        platform::setSaveFileHandler({});
        env.reset();
    }

    void descriptionTestAtEachLevel_data() { addLevelRows(); }
    void descriptionTestAtEachLevel()
    {
        QFETCH(int, level);
        QFETCH(How, how);
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        child<QCheckBox>(window, "chkMinor")->setChecked(false);
        startTest(window, 0, level);
        QCOMPARE(shownTab(window), 3);
        QCOMPARE(enabledTabs(window), QStringLiteral("11110"));
        const QList<QList<int>> levelSlots = {{2, 3, 4}, {1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5, 6}};
        QSet<QString> asked;
        for (int question = 1; question <= 22; ++question) {
            QCOMPARE(child<QLabel>(window, "lblQCount")->text(), QStringLiteral("%1 of 22").arg(question));
            QVERIFY_HEARD(child<QLabel>(window, "lblQCount"), QStringLiteral("Question"));
            QVERIFY_HEARD(child<QLabel>(window, "lblCardName"), QStringLiteral("Question about"));
            QCOMPARE(visibleIndices(window, "optAnswer", 7), levelSlots[level]);
            QCOMPARE(visibleIndices(window, "Shape1", 7), levelSlots[level]);
            QVERIFY(!askedReversed(window)); // "Reversed" is not ticked
            QVERIFY2(!asked.contains(cardName(window)), "a card was asked twice");
            asked.insert(cardName(window));
            QVERIFY(!nextQuestion(window)->isEnabled());
            // Every other question is answered right.
            QVERIFY(answerDescription(window, cards, question % 2 == 1, how) >= 0);
            QVERIFY(nextQuestion(window)->isEnabled());
            QVERIFY(nextQuestion(window)->hasFocus() || !window->isActiveWindow());
            nextQuestion(window)->click();
        }
        QCOMPARE(asked.size(), 22);
        QCOMPARE(env->prompts(), QStringList{"Test Complete"});
        QCOMPARE(env->messages.back().style, platform::vbInformation);
        QCOMPARE(shownTab(window), 4);
        QCOMPARE(enabledTabs(window), QStringLiteral("11101"));
        QCOMPARE(child<QLabel>(window, "lblResultInfo")->text(), QStringLiteral("11 out of 22 questions correct"));
        QVERIFY_HEARD(child<QLabel>(window, "lblResultInfo"), QStringLiteral("Score"));
        const QStringList lines = child<QPlainTextEdit>(window, "txtResult")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 27);
        QCOMPARE(lines[0], QStringLiteral("Test Report For Orvanel"));
        QCOMPARE(lines.count(QStringLiteral("")), 1);
        int correct = 0;
        for (int i = 3; i < 25; ++i) {
            QVERIFY(lines[i].startsWith(QStringLiteral("%1.      ").arg(i - 2, 2, 10, QLatin1Char('0'))));
            QVERIFY(asked.contains(lines[i].mid(9, 36).trimmed()));
            correct += lines[i].endsWith(QStringLiteral("Correct")) ? 1 : 0;
        }
        QCOMPARE(correct, 11);
        QCOMPARE(lines[26], QStringLiteral("11 out of 22 questions correct"));
    }

    void keywordTestAtEachLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<How>("how");
        QTest::addColumn<int>("runs");
        QTest::newRow("beginner, mouse") << 0 << How::Click << 1;
        QTest::newRow("intermediate, keyboard") << 1 << How::Keyboard << 1;
        QTest::newRow("advanced, screen reader") << 2 << How::ScreenReader << 1;
        // The second run's report holds its own answers only.
        QTest::newRow("beginner, a second run in the same window") << 0 << How::Program << 2;
    }
    void keywordTestAtEachLevel()
    {
        QFETCH(int, level);
        QFETCH(How, how);
        QFETCH(int, runs);
        const int toChoose = QList<int>{3, 5, 7}[level];
        const int boxes = QList<int>{7, 12, 20}[level];
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        child<QCheckBox>(window, "chkMinor")->setChecked(false);
        int expectedTotal = 0;
        for (int run = 1; run <= runs; ++run) {
            startTest(window, 1, level);
            expectedTotal = 0;
            for (int question = 1; question <= 22; ++question) {
                QCOMPARE(child<QLabel>(window, "lblMaxKeyword")->text(),
                         QStringLiteral("You must choose %1 keywords").arg(toChoose));
                QList<int> all;
                for (int i = 0; i < boxes; ++i)
                    all << i;
                QCOMPARE(visibleIndices(window, "chkKeywords", 20), all);
                // Exactly toChoose boxes carry the card's keywords, each named by its keyword.
                int own = 0;
                for (int i : all) {
                    auto* box = child<QCheckBox>(window, QStringLiteral("chkKeywords_%1").arg(i));
                    QCOMPARE(box->accessibleName(), box->text());
                    own += cards.value(cardName(window)).keywords.contains(box->text()) ? 1 : 0;
                }
                QCOMPARE(own, toChoose);
                const int trueOnes = (question + run) % (toChoose + 1);
                expectedTotal += trueOnes;
                answerKeywords(window, cards, toChoose, trueOnes, how);
                QVERIFY(nextQuestion(window)->isEnabled());
                nextQuestion(window)->click();
            }
        }
        QCOMPARE(env->prompts(), QStringList(runs, QStringLiteral("Test Complete")));
        QCOMPARE(child<QLabel>(window, "lblResultInfo")->text(),
                 QStringLiteral("%1/%2 choice(s) from 22 questions were correct").arg(expectedTotal).arg(toChoose * 22));
        const QString report = child<QPlainTextEdit>(window, "txtResult")->toPlainText();
        QCOMPARE(report.count(QStringLiteral(" Out Of %1 Correct").arg(toChoose)), 22);
    }

    void theKeywordLimitNamesTheNumber_data() { addLevelRows(); }
    void theKeywordLimitNamesTheNumber()
    {
        QFETCH(int, level);
        QFETCH(How, how);
        const int toChoose = QList<int>{3, 5, 7}[level];
        frmLearnTarotMain* window = openWithBuiltCards();
        startTest(window, 1, level);
        QList<QCheckBox*> boxes;
        for (int i = 0; i <= toChoose; ++i)
            boxes << child<QCheckBox>(window, QStringLiteral("chkKeywords_%1").arg(i));
        for (int i = 0; i < toChoose; ++i) {
            QVERIFY(!nextQuestion(window)->isEnabled());
            setTicked(boxes[i], true, how);
        }
        QVERIFY(nextQuestion(window)->isEnabled());
        setTicked(boxes[toChoose], true, how);
        QCOMPARE(env->prompts(), QStringList{QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before "
                                                            "selecting another keyword")
                                                 .arg(toChoose)});
        QCOMPARE(env->messages.back().style, platform::vbExclamation);
        QVERIFY(!boxes[toChoose]->isChecked());
        QVERIFY(nextQuestion(window)->isEnabled());
        setTicked(boxes[0], false, how);
        QVERIFY(!nextQuestion(window)->isEnabled());
    }

    void reversedQuestionsShowTheTurnedCard()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        child<QCheckBox>(window, "chkMinor")->setChecked(false);
        startTest(window, 0, 2, true);
        modDB db;
        QVERIFY(tarot_decks::openCardSet(db));
        QStringList reversedNames;
        for (int question = 1; question <= 22; ++question) {
            const QString name = cardName(window);
            db.CardRecordset.Filter(QStringLiteral("ID=%1").arg(cards.value(name).id));
            const QImage picture = modImageDB::PictureFromField(db.CardRecordset, QStringLiteral("PictureData"));
            const bool reversed = askedReversed(window);
            const QString difference = shown_picture::differenceFrom(child<QLabel>(window, "picResult"), picture, reversed);
            QVERIFY2(difference.isEmpty(), qPrintable(name + QStringLiteral(": ") + difference));
            if (reversed) {
                reversedNames << name;
                QVERIFY(child<QWidget>(window, "picResult")->accessibleName().contains(QStringLiteral("reversed")));
            }
            QVERIFY(answerDescription(window, cards, true, How::Program) >= 0);
            nextQuestion(window)->click();
        }
        QVERIFY2(reversedNames.size() > 3 && reversedNames.size() < 19, qPrintable(QString::number(reversedNames.size())));
        const QStringList lines = child<QPlainTextEdit>(window, "txtResult")->toPlainText().split(QLatin1Char('\n'));
        int reversedLines = 0;
        for (const QString& line : lines)
            if (line.contains(QStringLiteral(" (Reversed)"))) {
                ++reversedLines;
                QVERIFY(reversedNames.contains(line.mid(9).section(QStringLiteral(" (Reversed)"), 0, 0)));
            }
        QCOMPARE(reversedLines, reversedNames.size());
        QCOMPARE(lines.last(), QStringLiteral("22 out of 22 questions correct"));
    }

    void choicesAreNamedByTheirTextAndSpreadOverTheSlots()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        startTest(window, 0, 2);
        std::array<int, 7> rightIn{};
        for (int question = 1; question <= 78; ++question) {
            for (int i = 0; i < 7; ++i) {
                auto* option = child<QRadioButton>(window, QStringLiteral("optAnswer_%1").arg(i));
                QCOMPARE(option->accessibleName(), choiceText(window, i));
                QCOMPARE(QAccessible::queryAccessibleInterface(option)->text(QAccessible::Name), choiceText(window, i));
            }
            const int right = answerDescription(window, cards, true, How::ScreenReader);
            QVERIFY(right >= 0);
            ++rightIn[right];
            nextQuestion(window)->click();
        }
        QCOMPARE(child<QLabel>(window, "lblResultInfo")->text(), QStringLiteral("78 out of 78 questions correct"));
        for (int slot = 0; slot < 7; ++slot)
            QVERIFY2(rightIn[slot] > 0 && rightIn[slot] < 30,
                     qPrintable(QStringLiteral("slot %1 held the right answer %2 times of 78").arg(slot).arg(rightIn[slot])));
    }

    // A whole Advanced description test over the 78 cards, some reversed: every choice shows
    // its whole meaning at the window's width, and neither the window nor "Next Question"
    // moves from the settings page through every question to the results.
    void everyChoiceReadsInFullInAWindowThatKeepsItsPlace_data()
    {
        QTest::addColumn<int>("width"); // 0: as the window opened
        QTest::newRow("as opened") << 0;
        QTest::newRow("narrow") << 560;
        QTest::newRow("wide") << 1180;
    }
    void everyChoiceReadsInFullInAWindowThatKeepsItsPlace()
    {
        QFETCH(int, width);
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        QWidget* frame = window->frame();
        if (width > 0)
            frame->resize(width, frame->height());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QRect opened = frame->geometry();
        startTest(window, 0, 2, true);
        QPushButton* next = nextQuestion(window);
        QPoint nextAt;
        for (int question = 1; question <= 78; ++question) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCOMPARE(frame->geometry(), opened);
            if (question == 1)
                nextAt = next->mapTo(frame, QPoint(0, 0));
            QCOMPARE(next->mapTo(frame, QPoint(0, 0)), nextAt);
            QVERIFY(next->isVisible());
            for (int i = 0; i < 7; ++i) {
                ChoiceTextBox* box = choiceBox(window, i);
                QVERIFY(box->isVisible());
                // The text as the box lays it out fits the box's inside: no line is cut or hidden.
                const qreal needed = box->document()->size().height();
                QVERIFY2(needed <= box->viewport()->height(),
                         qPrintable(QStringLiteral("question %1, choice %2 is cut: %3 of %4 pixels shown")
                                        .arg(question)
                                        .arg(i)
                                        .arg(box->viewport()->height())
                                        .arg(needed)));
                QCOMPARE(box->document()->textWidth(), qreal(box->viewport()->width()));
            }
            QVERIFY(answerDescription(window, cards, question % 3 != 0, How::Program) >= 0);
            next->click();
        }
        QCOMPARE(shownTab(window), 4);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(frame->geometry(), opened);
    }

    void testMeOnTheMemorizerUsesTheStudiedSet()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        child<QCheckBox>(window, "chkMinor")->setChecked(false);
        click(window, "cmdSetOption");
        click(window, "cmdStartTest");
        QCOMPARE(shownTab(window), 3);
        QCOMPARE(enabledTabs(window), QStringLiteral("11110"));
        QCOMPARE(child<QLabel>(window, "lblQCount")->text(), QStringLiteral("1 of 22"));
        // Back to the memorizer: the run is abandoned; "Test Me" starts a new one.
        child<CourseTabs>(window, "SSTab1")->showTab(2);
        QCOMPARE(enabledTabs(window), QStringLiteral("11100"));
        click(window, "cmdStartTest");
        QCOMPARE(child<QLabel>(window, "lblQCount")->text(), QStringLiteral("1 of 22"));
        QCOMPARE(window->runState().AnswersRecorded(), 0);
    }

    void savingTheResult_data()
    {
        QTest::addColumn<QString>("choice"); // "file", "cancel" or "folder"
        QTest::newRow("chosen file") << "file";
        QTest::newRow("replacing a file") << "existing";
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("cannot be written") << "folder";
    }
    void savingTheResult()
    {
        QFETCH(QString, choice);
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        for (const char* name : {"chkMinor", "chkMajor"})
            child<QCheckBox>(window, name)->setChecked(name == QLatin1String("chkMajor"));
        startTest(window, 0, 0);
        for (int question = 0; question < 22; ++question) {
            answerDescription(window, cards, question != 1, How::Program);
            nextQuestion(window)->click();
        }
        env->messages.clear();
        const QDir folder(platform::ProgramFolder());
        QString path = folder.filePath(QStringLiteral("result.txt"));
        if (choice == QLatin1String("existing")) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(5000, 'x'));
        }
        if (choice == QLatin1String("folder")) {
            QVERIFY(folder.mkdir(QStringLiteral("taken")));
            path = folder.filePath(QStringLiteral("taken"));
        }
        QString filterAsked;
        platform::setSaveFileHandler([&](const QString& filter) {
            filterAsked = filter;
            return choice == QLatin1String("cancel") ? QString() : path;
        });
        click(window, "Command5");
        QCOMPARE(filterAsked, QStringLiteral("Text file (*.txt)"));
        if (choice == QLatin1String("cancel")) {
            QVERIFY(env->messages.empty());
            QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("result.txt"))));
        } else if (choice == QLatin1String("folder")) {
            QCOMPARE(env->messages.size(), std::size_t(1));
            QCOMPARE(env->messages.front().style, platform::vbCritical);
            QVERIFY(env->lastPrompt().contains(QDir::toNativeSeparators(path)));
        } else {
            QVERIFY(env->messages.empty());
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            const QByteArray bytes = saved.readAll();
            QString shown = child<QPlainTextEdit>(window, "txtResult")->toPlainText();
            shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            QCOMPARE(QString::fromUtf8(bytes), shown + QStringLiteral("\r\n"));
            QVERIFY(bytes.endsWith("21 out of 22 questions correct\r\n"));
        }
    }

    // In the report as the box shows it, the number, the card name and the outcome each start
    // at one x on every question line, reversed or not, and the title's underline spans the title.
    void reportColumnsLineUp_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("descriptions") << 0 << false;
        QTest::newRow("descriptions, some reversed") << 0 << true;
        QTest::newRow("keywords") << 1 << false;
    }
    void reportColumnsLineUp()
    {
        QFETCH(int, type);
        QFETCH(bool, reversed);
        frmLearnTarotMain* window = openWithBuiltCards();
        const QHash<QString, CardTexts> cards = readCards();
        child<QCheckBox>(window, "chkMinor")->setChecked(false);
        startTest(window, type, 0, reversed);
        for (int question = 1; question <= 22; ++question) {
            if (type == 0)
                QVERIFY(answerDescription(window, cards, question % 2 == 1, How::Program) >= 0);
            else
                answerKeywords(window, cards, 3, question % 4, How::Program);
            nextQuestion(window)->click();
        }
        const QList<LaidOutLine> lines = laidOutLines(child<QPlainTextEdit>(window, "txtResult"));
        QCOMPARE(lines.size(), 27);
        int reversedLines = 0;
        for (const LaidOutLine& line : lines)
            reversedLines += line.text.contains(QStringLiteral(" (Reversed)")) ? 1 : 0;
        QCOMPARE(reversedLines > 0 && reversedLines < 22, reversed);
        verifyColumnsLineUp(lines, 3, 22);
        QVERIFY2(qAbs(lines[0].width - lines[1].width) < 0.5,
                 qPrintable(QStringLiteral("title %1 wide, underline %2").arg(lines[0].width).arg(lines[1].width)));
    }

    void cardDataTheCourseCannotRunOn_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("message"); // empty: the run starts
        QTest::newRow("missing, study") << "missing" << "cmdSetOption" << "was not found";
        QTest::newRow("missing, test") << "missing" << "cmdStartTest2" << "was not found";
        QTest::newRow("empty file") << "empty" << "cmdStartTest2" << "is empty";
        QTest::newRow("not a database") << "text" << "cmdSetOption" << "is not a card database";
        QTest::newRow("not a database, test") << "text" << "cmdStartTest2" << "is not a card database";
        QTest::newRow("no keyword table") << "nokeywords" << "cmdStartTest2" << "tblKeywords";
        QTest::newRow("three cards, study") << "three" << "cmdSetOption" << QString();
        QTest::newRow("three cards, test") << "three" << "cmdStartTest2" << "only 3 cards";
        QTest::newRow("no chosen card") << "suitsonly" << "cmdSetOption" << "none of the chosen cards";
        QTest::newRow("a card with four keywords") << "fourkeywords" << "cmdStartTest2" << "\"Card 5\" has only 4 keywords";
    }
    void cardDataTheCourseCannotRunOn()
    {
        QFETCH(QString, database);
        QFETCH(QString, start);
        QFETCH(QString, message);
        const QString path = tarot_decks::besideProgram();
        if (database == QLatin1String("empty") || database == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(database == QLatin1String("text") ? QByteArray("this is no card database\n").repeated(50) : QByteArray());
        } else if (database == QLatin1String("nokeywords")) {
            QVERIFY(tarot_decks::installDeck(tarot_decks::madeUpCards(10)));
            modDB db;
            QVERIFY(tarot_decks::openCardSet(db));
            db.CardConnection.Close();
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drop"));
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QVERIFY(raw.exec(QStringLiteral("DROP TABLE tblKeywords")).lastError().type() == QSqlError::NoError);
            raw.close();
            raw = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("drop"));
        } else if (database == QLatin1String("three")) {
            QVERIFY(tarot_decks::installDeck(tarot_decks::madeUpCards(3)));
        } else if (database == QLatin1String("suitsonly")) {
            // Cards 23.. are cups; the major arcana alone is chosen below.
            std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(30);
            cards.erase(cards.begin(), cards.begin() + 22);
            QVERIFY(tarot_decks::installDeck(cards));
        } else if (database == QLatin1String("fourkeywords")) {
            std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(22);
            cards[4].keywords = cards[4].keywords.mid(0, 4);
            QVERIFY(tarot_decks::installDeck(cards));
        }
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        if (database == QLatin1String("suitsonly"))
            child<QCheckBox>(window, "chkMinor")->setChecked(false);
        click(window, start);
        if (message.isNull()) {
            QVERIFY(env->messages.empty());
            QVERIFY(shownTab(window) == 2);
            return;
        }
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages.front().style, platform::vbCritical);
        QVERIFY2(env->lastPrompt().contains(message), qPrintable(env->lastPrompt()));
        QCOMPARE(shownTab(window), 1);
        QCOMPARE(enabledTabs(window), QStringLiteral("11000"));
    }

private:
    std::unique_ptr<TarotEnvironment> env;
};

ORVANEL_TEST(TestTarotTestRuns)
#include "test_tarot_test_runs.moc"
