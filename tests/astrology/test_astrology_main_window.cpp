// The astrology course window, driven through its controls: load step, options page, learn
// navigation, test run and report, menus, link labels and copy guard.
#include "courses/astrology/astrology_course.h"
#include "courses/astrology/astrology_pictures.h"
#include "courses/astrology/frmLearnAstrologyMain.h"
#include "../common/fixtures.h"
#include "../common/heard_value.h"
#include "../common/test_registry.h"

#include <QAction>
#include <cstring>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "controls.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "shell/link_label.h"
#include "shell/main_window.h"

using namespace modLearnAstrologyRun;
using namespace modLearnAstrologyTest;
namespace content = modLearnAstrology;

namespace {

frmLearnAstrologyMain* openCourse() { return platform::Forms::instance<frmLearnAstrologyMain>(); }

QString labelText(QWidget* w, const QString& name) { return child<QLabel>(w, name)->text(); }

QString boxText(QWidget* w, int slot)
{
    return child<QTextEdit>(w, QStringLiteral("txtAnswer_Choice_%1").arg(slot))->toPlainText();
}

QStringList entries(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// A pick in a list, as the user makes it.
void pick(QWidget* w, const QString& list, int index)
{
    auto* box = child<QComboBox>(w, list);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void chooseRun(QWidget* w, bool learn, int subject, int attribute)
{
    click(w, learn ? "optOption_0" : "optOption_1");
    pick(w, learn ? "cboLearnOptionMain" : "cboTestOptionMain", subject);
    pick(w, learn ? "cboLearnOptionSub" : "cboTestOptionSub", attribute);
    click(w, "cmdNext");
}

QImage asRgb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

// A stored text as a text box reads it back: CR LF becomes one line break.
QString asShown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QStringList signAttributes()
{
    return {"Glyphs (Image)", "Dates", "Sign Numbers", "Opposite Signs", "Keywords", "Positive Traits",
            "Negative Traits", "Element", "Ruling Planet", "Lucky Number", "Lucky Color", "Lucky Day",
            "Birthstone", "Quality", "Anatomy", "Flower Essence"};
}

} // namespace

class TestAstrologyMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void loadShowsTheOptionsPage()
    {
        frmLearnAstrologyMain* w = openCourse();
        QCOMPARE(w->windowTitle(), QStringLiteral("Velmora Learn Astrology"));
        QCOMPARE(frontPage(w), QStringLiteral("Frame1"));
        QVERIFY(child<QRadioButton>(w, "optOption_0")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "optOption_1")->isChecked());
        QCOMPARE(child<QRadioButton>(w, "optOption_0")->text(), QStringLiteral("Learn Option"));
        QCOMPARE(child<QRadioButton>(w, "optOption_1")->text(), QStringLiteral("Test Criteria"));
        QCOMPARE(labelText(w, "Label1_2"), QStringLiteral("Select one option below and click on the Next button to continue."));
        QCOMPARE(entries(child<QComboBox>(w, "cboLearnOptionMain")),
                 (QStringList{"Learn By Signs", "Learn By Planets", "Learn By Houses"}));
        QCOMPARE(entries(child<QComboBox>(w, "cboTestOptionMain")),
                 (QStringList{"Test By Signs", "Test By Planets", "Test By Houses"}));
        for (const char* list : {"cboLearnOptionSub", "cboTestOptionSub"})
            QCOMPARE(entries(child<QComboBox>(w, list)), signAttributes());
        for (const char* list : {"cboLearnOptionMain", "cboLearnOptionSub", "cboTestOptionMain", "cboTestOptionSub"}) {
            QCOMPARE(child<QComboBox>(w, list)->currentIndex(), 0);
            QCOMPARE(child<QComboBox>(w, list)->isEnabled(), QByteArray(list).startsWith("cboLearn"));
        }
        QVERIFY(child<QRadioButton>(w, "optAnswer_Choice_0")->isChecked());
        QVERIFY(env->messages.empty());
        QCOMPARE(w->frame()->x(), (1280 - w->width()) / 2);
        QCOMPARE(w->frame()->y(), 0);
    }

    void menusAndLinks()
    {
        frmLearnAstrologyMain* w = openCourse();
        QCOMPARE(child<QMenu>(w, "nuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(w->findChild<QAction*>(QStringLiteral("mnuExit"))->text(), QStringLiteral("E&xit"));
        QStringList help;
        for (QAction* item : child<QMenu>(w, "mnuHelp")->actions())
            help << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                                    "&About Software"}));

        const QString forum = labelText(w, "Label61");
        QVERIFY(forum.endsWith(QStringLiteral(". Visit Velmora Now.")));
        QCOMPARE(forum.chopped(int(strlen(" Visit Velmora Now."))).count(QLatin1Char('.')), 2);
        QVERIFY(child<LinkLabel>(w, "lblCobrand")->text().contains(QStringLiteral("site's name &  link")));
        QVERIFY(child<LinkLabel>(w, "lblFullBrand")->text().startsWith(QStringLiteral("Home Business Opportunity.")));
        // The forum label opens the maker's home page, as Help > Visit Us Online does.
        w->findChild<QAction*>(QStringLiteral("mnuVisit"))->trigger();
        QTest::mouseClick(child<LinkLabel>(w, "Label61"), Qt::LeftButton);
        QCOMPARE(env->openedPages.size(), 2);
        QCOMPARE(env->openedPages[1], env->openedPages[0]);
    }

    void subjectListsRefillTheirAttributes_data()
    {
        QTest::addColumn<bool>("learn");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QStringList>("attributes");
        const QStringList planets{"Glyphs (Image)", "Ruler for Sign", "Keywords", "Positive Traits", "Negative Traits",
                                  "Anatomy", "Time to complete one Cycle", "Ruler for House"};
        const QStringList houses{"House Name", "House Planet Ruler", "House Sign Ruler", "Attributes", "Keywords",
                                 "Mantra", "House Type"};
        QTest::newRow("learn planets") << true << 1 << planets;
        QTest::newRow("learn houses") << true << 2 << houses;
        QTest::newRow("test planets") << false << 1 << planets;
    }

    void subjectListsRefillTheirAttributes()
    {
        QFETCH(bool, learn);
        QFETCH(int, subject);
        QFETCH(QStringList, attributes);
        frmLearnAstrologyMain* w = openCourse();
        const QString sub = learn ? "cboLearnOptionSub" : "cboTestOptionSub";
        const QString other = learn ? "cboTestOptionSub" : "cboLearnOptionSub";
        click(w, learn ? "optOption_0" : "optOption_1");
        pick(w, sub, 3);
        pick(w, learn ? "cboLearnOptionMain" : "cboTestOptionMain", subject);
        QCOMPARE(entries(child<QComboBox>(w, sub)), attributes);
        QCOMPARE(child<QComboBox>(w, sub)->currentIndex(), 0);
        QCOMPARE(entries(child<QComboBox>(w, other)), signAttributes());
    }

    void modeChoiceSwitchesTheLists()
    {
        frmLearnAstrologyMain* w = openCourse();
        pick(w, "cboLearnOptionMain", 2);
        click(w, "optOption_1");
        for (const char* list : {"cboLearnOptionMain", "cboLearnOptionSub"})
            QVERIFY(!child<QComboBox>(w, list)->isEnabled());
        for (const char* list : {"cboTestOptionMain", "cboTestOptionSub"})
            QVERIFY(child<QComboBox>(w, list)->isEnabled());
        click(w, "optOption_0");
        QVERIFY(child<QComboBox>(w, "cboLearnOptionMain")->isEnabled());
        QVERIFY(!child<QComboBox>(w, "cboTestOptionSub")->isEnabled());
        QCOMPARE(child<QComboBox>(w, "cboLearnOptionMain")->currentIndex(), 2);
    }

    void learnWalkStopsAtBothEnds_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("records");
        QTest::newRow("signs, dates") << 0 << 1 << "Aries" << "Pisces" << 12;
        QTest::newRow("planets, keywords") << 1 << 2 << "Sun" << "Pluto" << 10;
        QTest::newRow("houses, mantra") << 2 << 5 << "1st House" << "12th House" << 12;
    }

    void learnWalkStopsAtBothEnds()
    {
        QFETCH(int, subject);
        QFETCH(int, attribute);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, records);
        frmLearnAstrologyMain* w = openCourse();
        chooseRun(w, true, subject, attribute);
        QCOMPARE(frontPage(w), QStringLiteral("Frame2"));
        QCOMPARE(labelText(w, "lblLabel_2"), first);
        click(w, "cmdBackDesc");
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages[0].prompt, QStringLiteral("You are at the first record"));
        QCOMPARE(env->messages[0].style, platform::vbInformation);
        QCOMPARE(labelText(w, "lblLabel_2"), first);

        for (int i = 1; i < records; ++i)
            click(w, "cmdNextDesc");
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(labelText(w, "lblLabel_2"), last);
        const QString lastText = labelText(w, "lblLabel_3");
        click(w, "cmdNextDesc");
        QCOMPARE(env->messages.size(), std::size_t(2));
        QCOMPARE(env->messages[1].prompt, QStringLiteral("You are at the last record"));
        QCOMPARE(env->messages[1].style, platform::vbInformation);
        QCOMPARE(labelText(w, "lblLabel_2"), last);
        QCOMPARE(labelText(w, "lblLabel_3"), lastText);
        QCOMPARE(w->runState().CurrentIndex, records - 1);

        // Back all the way to the first record, which is shown again from a fresh fill.
        for (int i = 1; i < records; ++i)
            click(w, "cmdBackDesc");
        QCOMPARE(labelText(w, "lblLabel_2"), first);
        QCOMPARE(env->messages.size(), std::size_t(2));
    }

    void learnRecordShows_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<int>("record");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("picture");
        QTest::newRow("sign dates") << 0 << 1 << 0
                                    << QStringList{"Learn By Signs", "Dates", "Aries", "March 21 - April 19"}
                                    << int(PictureList::Signs);
        QTest::newRow("sign glyph") << 0 << 0 << 7 << QStringList{"Learn By Signs", "Glyphs (Image)", "Scorpio", "Scorpio"}
                                    << int(PictureList::Signs);
        QTest::newRow("lucky number with ampersand")
            << 0 << 9 << 4 << QStringList{"Learn By Signs", "Lucky Number", "Leo", "8 & 9"} << int(PictureList::Signs);
        QTest::newRow("two houses ruled")
            << 1 << 7 << 2
            << QStringList{"Learn By Planets", "Ruler for House", "Jupiter",
                           "9th House - The House of Travel\n12th House - The House of Shortcomings"}
            << int(PictureList::Planets);
        QTest::newRow("planet cycle") << 1 << 6 << 9
                                      << QStringList{"Learn By Planets", "Time to complete one Cycle", "Pluto", "248 years"}
                                      << int(PictureList::Planets);
        QTest::newRow("house name") << 2 << 0 << 4
                                    << QStringList{"Learn By Houses", "House Name", "5th House", "The House of Pleasures"}
                                    << int(PictureList::None);
        QTest::newRow("house planet ruler")
            << 2 << 1 << 10 << QStringList{"Learn By Houses", "House Planet Ruler", "11th House", "Uranus, Saturn"}
            << int(PictureList::None);
    }

    void learnRecordShows()
    {
        QFETCH(int, subject);
        QFETCH(int, attribute);
        QFETCH(int, record);
        QFETCH(QStringList, labels);
        QFETCH(int, picture);
        frmLearnAstrologyMain* w = openCourse();
        w->show();
        chooseRun(w, true, subject, attribute);
        for (int i = 0; i < record; ++i)
            click(w, "cmdNextDesc");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(labelText(w, QStringLiteral("lblLabel_%1").arg(i)), labels[i]);
        auto* glyph = child<QLabel>(w, "picAstro");
        QCOMPARE(glyph->isVisible(), picture != int(PictureList::None));
        if (picture == int(PictureList::Signs))
            QCOMPARE(asRgb(glyph->pixmap()), asRgb(content::SignPicture(record)));
        if (picture == int(PictureList::Planets))
            QCOMPARE(asRgb(glyph->pixmap()), asRgb(content::PlanetPicture(record)));
        if (picture != int(PictureList::None)) {
            QVERIFY(!glyph->pixmap().isNull());
            QCOMPARE(glyph->accessibleName(), QStringLiteral("Glyph of ") + labels[2]);
        }
    }

    void backToMainStartsAgainAtRecordZero()
    {
        frmLearnAstrologyMain* w = openCourse();
        chooseRun(w, true, 1, 5);
        click(w, "cmdNextDesc");
        click(w, "cmdNextDesc");
        QCOMPARE(labelText(w, "lblLabel_2"), QStringLiteral("Jupiter"));
        click(w, "cmdBackToMain_0");
        QCOMPARE(frontPage(w), QStringLiteral("Frame1"));
        QCOMPARE(w->runState().CurrentIndex, 0);
        QVERIFY(w->runState().AttributeColumn.isEmpty() && w->runState().NameColumn.isEmpty());
        QCOMPARE(child<QComboBox>(w, "cboLearnOptionMain")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(w, "cboLearnOptionSub")->currentIndex(), 5);
        pick(w, "cboLearnOptionSub", 2);
        click(w, "cmdNext");
        QCOMPARE(labelText(w, "lblLabel_1"), QStringLiteral("Keywords"));
        QCOMPARE(labelText(w, "lblLabel_2"), QStringLiteral("Sun"));
        QCOMPARE(labelText(w, "lblLabel_3"), QStringLiteral("Identity, Vitality, Goals"));
    }

    void testRun_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<bool>("answerRight");
        QTest::addColumn<QString>("scoreLine");
        QTest::newRow("signs lucky number, all right") << 0 << 9 << true << "12 Correct out of 12 Questions";
        QTest::newRow("planets ruler for house, all right") << 1 << 7 << true << "10 Correct out of 10 Questions";
        QTest::newRow("planets keywords, none right") << 1 << 2 << false << "0 Correct out of 10 Questions";
        QTest::newRow("houses house name, all right") << 2 << 0 << true << "12 Correct out of 12 Questions";
    }

    void testRun()
    {
        QFETCH(int, subject);
        QFETCH(int, attribute);
        QFETCH(bool, answerRight);
        QFETCH(QString, scoreLine);
        frmLearnAstrologyMain* w = openCourse();
        w->show();
        chooseRun(w, false, subject, attribute);
        QCOMPARE(frontPage(w), QStringLiteral("Frame3"));
        const QStringList subjects{"Test By Signs", "Test By Planets", "Test By Houses"};
        const int n = subject == 1 ? 10 : 12;
        const QString attributeCaption = child<QComboBox>(w, "cboTestOptionSub")->itemText(attribute);
        QCOMPARE(labelText(w, "lblTest_3"), QStringLiteral("Select one option from the given choices below."));
        for (int q = 0; q < n; ++q) {
            QCOMPARE(labelText(w, "lblTest_0"), subjects[subject]);
            QCOMPARE(labelText(w, "lblTest_1"), attributeCaption);
            const int item = w->testState().QuestionItems[q];
            const QString name = subject == 0   ? w->runState().Tables.Signs.SignName[item]
                                 : subject == 1 ? w->runState().Tables.Planets.PlanetName[item]
                                                : w->runState().Tables.Houses.HouseNumber[item];
            QCOMPARE(labelText(w, "lblTest_2"), name);
            // A screen reader hears what each question asks about.
            QVERIFY_HEARD(child<QLabel>(w, "lblTest_2"), QStringLiteral("Question about"));
            QCOMPARE(child<QLabel>(w, "picTest")->isVisible(), subject != 2);
            // The boxes show the stored texts unchanged, "&&" and line breaks too.
            int slot = -1;
            for (int s = 0; s < SlotCount; ++s) {
                QCOMPARE(boxText(w, s), asShown(w->testState().ChoiceCaptions[s]));
                if (slot < 0 && (w->testState().ChoiceCaptions[s] == w->testState().RightAnswers[q]) == answerRight)
                    slot = s;
            }
            QVERIFY(slot >= 0);
            if (subject == 0 && item == 4)
                QCOMPARE(boxText(w, int(std::find(w->testState().ChoiceItems.begin(), w->testState().ChoiceItems.end(), 4) - w->testState().ChoiceItems.begin())),
                         QStringLiteral("8 && 9"));
            // A click on a text selects the button beside it.
            QTest::mouseClick(child<QTextEdit>(w, QStringLiteral("txtAnswer_Choice_%1").arg(slot))->viewport(),
                              Qt::LeftButton);
            QVERIFY(child<QRadioButton>(w, QStringLiteral("optAnswer_Choice_%1").arg(slot))->isChecked());
            click(w, "cmdNextQuestion");
            QVERIFY(child<QRadioButton>(w, "optAnswer_Choice_0")->isChecked());
        }
        QVERIFY(env->messages.empty());
        QCOMPARE(frontPage(w), QStringLiteral("Frame4"));
        auto* rtb = child<QTextEdit>(w, "RTB");
        QCOMPARE(rtb->toPlainText(), asShown(w->testState().ReportText()));
        QVERIFY(rtb->toPlainText().endsWith(QStringLiteral("\n\n") + scoreLine));
        QVERIFY(rtb->toPlainText().startsWith(QStringLiteral("Velmora Learn Astrology Result\n\n") + subjects[subject]
                                              + QStringLiteral(" - ") + attributeCaption + QStringLiteral("\n\n")));
    }

    void reportFormatting()
    {
        frmLearnAstrologyMain* w = openCourse();
        chooseRun(w, false, 1, 7);
        for (int q = 0; q < 10; ++q)
            click(w, "cmdNextQuestion");
        QTextDocument* report = child<QTextEdit>(w, "RTB")->document();
        // Every run of text at 12 points, bold as the report gives it; two-house values take two lines.
        QTextCursor cursor(report);
        for (const ReportPart& part : w->testState().ReportParts()) {
            const QString text = asShown(part.text);
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i] == QLatin1Char('\n')) {
                    QVERIFY(cursor.movePosition(QTextCursor::NextBlock));
                    continue;
                }
                QVERIFY(cursor.movePosition(QTextCursor::NextCharacter));
                QCOMPARE(cursor.charFormat().fontPointSize(), 12.0);
                QVERIFY2((cursor.charFormat().fontWeight() == QFont::Bold) == part.bold, qPrintable(part.text));
            }
        }
        QVERIFY(cursor.atEnd());
        QVERIFY(report->toPlainText().contains(
            QStringLiteral("Correct Answer: 9th House - The House of Travel\n12th House - The House of Shortcomings\n")));
    }

    void resultBackToMainAndANewRun()
    {
        frmLearnAstrologyMain* w = openCourse();
        chooseRun(w, false, 2, 5);
        // Untouched, every answer is the text of slot 0, selected by default.
        QStringList firstTexts;
        for (int q = 0; q < 12; ++q) {
            firstTexts << w->testState().ChoiceCaptions[0];
            click(w, "cmdNextQuestion");
        }
        QCOMPARE(w->testState().GivenAnswers.first(12), firstTexts);
        QCOMPARE(frontPage(w), QStringLiteral("Frame4"));
        click(w, "cmdBackToMain_1");
        QCOMPARE(frontPage(w), QStringLiteral("Frame1"));
        QVERIFY(w->testState().QuestionItems.isEmpty() && w->testState().RightAnswers.isEmpty() && w->testState().GivenAnswers.isEmpty());
        QVERIFY(child<QRadioButton>(w, "optOption_1")->isChecked());
        QCOMPARE(child<QComboBox>(w, "cboTestOptionMain")->currentIndex(), 2);
        click(w, "cmdNext");
        QCOMPARE(frontPage(w), QStringLiteral("Frame3"));
        QCOMPARE(w->runState().CurrentIndex, 0);
        QCOMPARE(w->testState().QuestionCount(), 12);
        QCOMPARE(labelText(w, "lblTest_1"), QStringLiteral("Mantra"));
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("report") << "RTB" << "Test result";
        QTest::newRow("last answer") << "txtAnswer_Choice_4" << "Answer choice 5";
        QTest::newRow("test glyph") << "picTest" << "Glyph";
        QTest::newRow("test attribute") << "cboTestOptionSub" << "Test attribute";
    }

    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(child<QWidget>(openCourse(), control)->accessibleName(), name);
    }

    void guardedBoxesEmptyTheClipboard_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("event");
        for (const char* box : {"RTB", "txtAnswer_Choice_2"})
            for (const char* event : {"change", "press", "move", "click"})
                QTest::newRow(QByteArray(box) + " " + event) << box << event;
    }

    void guardedBoxesEmptyTheClipboard()
    {
        QFETCH(QString, box);
        QFETCH(QString, event);
        frmLearnAstrologyMain* w = openCourse();
        w->show();
        chooseRun(w, false, 0, 1);
        for (int q = 0; q < 12 && box == "RTB"; ++q)
            click(w, "cmdNextQuestion");
        QGuiApplication::clipboard()->setText(QStringLiteral("copied answer"));
        QWidget* control = child<QWidget>(w, box);
        QWidget* area = qobject_cast<QTextEdit*>(control)->viewport();
        if (event == "change") {
            qobject_cast<QTextEdit*>(control)->setPlainText(QStringLiteral("changed"));
        } else if (event == "press") {
            QTest::mousePress(area, Qt::LeftButton);
        } else if (event == "move") {
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(area, &move);
        } else {
            QTest::mouseClick(area, Qt::LeftButton);
        }
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void exitAndCloseUnloadTheWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("File > Exit") << true;
        QTest::newRow("close box") << false;
    }

    void exitAndCloseUnloadTheWindow()
    {
        QFETCH(bool, byMenu);
        RegisterAstrologyCourse();
        frmMDI* main = platform::Forms::instance<frmMDI>();
        main->show();
        click(main, "cmdSelectOption_0");
        QPointer<frmLearnAstrologyMain> w = platform::Forms::find<frmLearnAstrologyMain>();
        QVERIFY(w);
        QVERIFY(qobject_cast<QMdiSubWindow*>(w->frame()));
        QVERIFY(w->isVisible());
        QVERIFY(!main->picMain->isVisible());
        // The window fits below the main window's bands.
        QVERIFY(w->height() <= 540);
        QVERIFY(w->width() <= 800);
        chooseRun(w, false, 0, 1);
        if (byMenu)
            w->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else
            w->frame()->close();
        QVERIFY(!platform::Forms::find<frmLearnAstrologyMain>());
        QVERIFY(main->picMain->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        // The next opening runs the whole load step again, on the options page.
        click(main, "cmdSelectOption_0");
        frmLearnAstrologyMain* again = platform::Forms::find<frmLearnAstrologyMain>();
        QVERIFY(again);
        QCOMPARE(frontPage(again), QStringLiteral("Frame1"));
        QVERIFY(!main->picMain->isVisible());
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestAstrologyMainWindow)
#include "test_astrology_main_window.moc"
