// The memorizer tab: a study run over the chosen cards, each card's picture upright and
// turned, its meanings and keywords, and the navigation buttons at the edges of the set.
#include <QApplication>
#include <QCheckBox>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/modImageDB.h"
#include "shown_picture.h"
#include "tarot_environment.h"
#include "shell/course_tabs.h"
#include "tarot_decks.h"
#include "tarot_window.h"
#include "test_registry.h"

using namespace tarot_window;

namespace {

QString shownName(frmLearnTarotMain* window) { return child<QLabel>(window, "lblCardNameMemorize")->text(); }

void untick(frmLearnTarotMain* window, const QStringList& names)
{
    for (const QString& name : names)
        child<QCheckBox>(window, name)->setChecked(false);
}

} // namespace

class TestTarotStudy : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TarotEnvironment>(); }
    void cleanup() { env.reset(); }

    void aStudyRunShowsTheFirstCardOfTheChosenSet_data()
    {
        QTest::addColumn<QStringList>("unticked");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("every card") << QStringList{} << "The Fool" << 78;
        QTest::newRow("cups only") << QStringList{"chkMajor", "chkGroup_1", "chkGroup_2", "chkGroup_3"} << "Ace of Cups" << 14;
        QTest::newRow("wands and swords") << QStringList{"chkMajor", "chkGroup_0", "chkGroup_2"} << "Ace of Wands" << 28;
        QTest::newRow("minor off keeps the major arcana") << QStringList{"chkGroup_0", "chkMinor"} << "The Fool" << 22;
    }
    void aStudyRunShowsTheFirstCardOfTheChosenSet()
    {
        QFETCH(QStringList, unticked);
        QFETCH(QString, first);
        QFETCH(int, count);
        frmLearnTarotMain* window = openWithBuiltCards();
        untick(window, unticked);
        click(window, "cmdSetOption");
        QVERIFY(env->messages.empty());
        QCOMPARE(shownTab(window), 2);
        QCOMPARE(enabledTabs(window), QStringLiteral("11100"));
        QCOMPARE(shownName(window), first);
        QCOMPARE(window->studyState().MemorizePosition(), 1);

        modDB db;
        QVERIFY(tarot_decks::openCardSet(db, window->BuildCardQuery()));
        QCOMPARE(db.CardRecordset.RecordCount(), count);
        QCOMPARE(child<QPlainTextEdit>(window, "txtNormalMeaning")->toPlainText(),
                 db.CardRecordset.Field(QStringLiteral("normalmeaning")).toString());
        QCOMPARE(child<QPlainTextEdit>(window, "txtReverseMeaning")->toPlainText(),
                 db.CardRecordset.Field(QStringLiteral("reversedmeaning")).toString());
        const QString keywords = child<QPlainTextEdit>(window, "txtKeywords")->toPlainText();
        QVERIFY2(keywords.endsWith(QStringLiteral(", ")), qPrintable(keywords));
        QCOMPARE(keywords.count(QStringLiteral(", ")), 7);

        // The card's picture filling its box upright, and the same picture turned by 180 degrees.
        const QImage picture = modImageDB::PictureFromField(db.CardRecordset, QStringLiteral("PictureData"));
        QVERIFY(!picture.isNull());
        for (const char* box : {"picCardMemorize", "picCardMemorizeReversed"})
            QCOMPARE(child<QLabel>(window, QLatin1String(box))->pixmap().deviceIndependentSize(), QSizeF(150, 260));
        const QString upright = shown_picture::differenceFrom(child<QLabel>(window, "picCardMemorize"), picture);
        QVERIFY2(upright.isEmpty(), qPrintable(upright));
        const QString turned = shown_picture::differenceFrom(child<QLabel>(window, "picCardMemorizeReversed"), picture, true);
        QVERIFY2(turned.isEmpty(), qPrintable(turned));
    }

    void nextAndPreviousStopAtTheEdges()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        untick(window, {"chkMinor"});
        click(window, "cmdSetOption");
        auto* next = child<QPushButton>(window, "cmdNext");
        auto* previous = child<QPushButton>(window, "cmdPrevious");
        for (int i = 0; i < 21; ++i)
            next->click();
        QCOMPARE(shownName(window), QStringLiteral("The World"));
        QCOMPARE(window->studyState().MemorizePosition(), 22);
        QVERIFY(next->isEnabled());
        // The click that finds no further card disables the button; the card stays.
        next->click();
        QVERIFY(!next->isEnabled());
        QCOMPARE(shownName(window), QStringLiteral("The World"));
        previous->click();
        QVERIFY(next->isEnabled());
        QCOMPARE(shownName(window), QStringLiteral("Judgement"));
        for (int i = 0; i < 20; ++i)
            previous->click();
        QCOMPARE(shownName(window), QStringLiteral("The Fool"));
        QVERIFY(previous->isEnabled());
        previous->click();
        QVERIFY(!previous->isEnabled());
        QCOMPARE(shownName(window), QStringLiteral("The Fool"));
        QCOMPARE(window->studyState().MemorizePosition(), 1);
    }

    void aSetOfOneCard()
    {
        QVERIFY(tarot_decks::installDeck(tarot_decks::madeUpCards(1)));
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        click(window, "cmdSetOption");
        QCOMPARE(shownName(window), QStringLiteral("Card 1"));
        click(window, "cmdNext");
        QVERIFY(!ownEnabled(child<QWidget>(window, "cmdNext")));
        click(window, "cmdPrevious");
        QVERIFY(!ownEnabled(child<QWidget>(window, "cmdPrevious")));
        QCOMPARE(shownName(window), QStringLiteral("Card 1"));
    }

    void comingBackShowsTheFirstCardAndKeepsTheButtons()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        untick(window, {"chkMinor"});
        click(window, "cmdSetOption");
        for (int i = 0; i < 22; ++i)
            click(window, "cmdNext");
        QVERIFY(!ownEnabled(child<QWidget>(window, "cmdNext")));
        auto* tabs = child<CourseTabs>(window, "SSTab1");
        tabs->showTab(0);
        tabs->showTab(2);
        QCOMPARE(shownName(window), QStringLiteral("The Fool"));
        QCOMPARE(window->studyState().MemorizePosition(), 1);
        QVERIFY(!ownEnabled(child<QWidget>(window, "cmdNext")));
        click(window, "cmdPrevious");
        QVERIFY(ownEnabled(child<QWidget>(window, "cmdNext")));
        // The settings tab closes the memorizer until a new run.
        tabs->showTab(1);
        QCOMPARE(enabledTabs(window), QStringLiteral("11000"));
    }

    void unloadablePictureAndShortKeywordList()
    {
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(3);
        cards[0].picture = QByteArray("not a picture");
        cards[0].keywords = cards[0].keywords.mid(0, 4);
        QVERIFY(tarot_decks::installDeck(cards));
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        click(window, "cmdSetOption");
        QCOMPARE(shownName(window), QStringLiteral("Card 1"));
        QVERIFY(child<QLabel>(window, "picCardMemorize")->pixmap().isNull());
        QVERIFY(child<QLabel>(window, "picCardMemorizeReversed")->pixmap().isNull());
        QCOMPARE(child<QPlainTextEdit>(window, "txtKeywords")->toPlainText(),
                 QStringLiteral("Word 1-1, Word 1-2, Word 1-3, Word 1-4, "));
        QVERIFY(child<QPlainTextEdit>(window, "txtNormalMeaning")->toPlainText().startsWith(QStringLiteral("Upright 1:")));
        click(window, "cmdNext");
        QVERIFY(!child<QLabel>(window, "picCardMemorize")->pixmap().isNull());
    }

    // Under a larger desktop font each meaning box shows its lines whole, or scrolls to the
    // rest: a line cut at the box's lower edge is only allowed while the box can scroll on.
    void meaningBoxesShowWholeLinesOrScroll_data()
    {
        QTest::addColumn<qreal>("points");
        QTest::newRow("12 pt desktop font") << 12.0;
        QTest::newRow("14 pt desktop font") << 14.0;
    }
    void meaningBoxesShowWholeLinesOrScroll()
    {
        QFETCH(qreal, points);
        const QFont usual = QApplication::font();
        const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
        QFont larger = usual;
        larger.setPointSizeF(points);
        QApplication::setFont(larger);
        frmLearnTarotMain* window = openWithBuiltCards();
        click(window, "cmdSetOption");
        for (int card = 1; card <= 78; ++card) {
            // The boxes settle their scroll bars once the window has handled its events.
            QCoreApplication::processEvents();
            for (const char* name : {"txtNormalMeaning", "txtReverseMeaning", "txtKeywords"}) {
                auto* box = child<QPlainTextEdit>(window, QLatin1String(name));
                const int bottom = box->viewport()->height();
                QVERIFY2(bottom >= box->fontMetrics().lineSpacing(), qPrintable(QStringLiteral("%1 shows no whole line").arg(name)));
                const QScrollBar* scroll = box->verticalScrollBar();
                const bool scrolls = scroll->isVisible() && scroll->value() < scroll->maximum();
                for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
                    for (int i = 0; i < block.layout()->lineCount(); ++i) {
                        // Where the box shows the line, from a cursor at its start.
                        QTextCursor cursor(block);
                        cursor.setPosition(block.position() + block.layout()->lineAt(i).textStart());
                        const QRect shown = box->cursorRect(cursor);
                        const int lineTop = shown.top();
                        const int lineBottom = shown.bottom() + 1;
                        QVERIFY2(lineBottom <= bottom || lineTop >= bottom || scrolls,
                                 qPrintable(QStringLiteral("card %1, %2: line %3 cut at %4 of %5..%6")
                                                .arg(card)
                                                .arg(name)
                                                .arg(i)
                                                .arg(bottom)
                                                .arg(lineTop)
                                                .arg(lineBottom)));
                        // A line below the lower edge is reached by scrolling.
                        QVERIFY(lineTop < bottom || scrolls);
                    }
                }
            }
            click(window, "cmdNext");
        }
    }

private:
    std::unique_ptr<TarotEnvironment> env;
};

ORVANEL_TEST(TestTarotStudy)
#include "test_tarot_study.moc"
