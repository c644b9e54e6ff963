// The astrology window's choices and answer column as a screen-reader user and a reader of long
// answers meet them: options driven by the accessible toggle, options named by their answers,
// answer boxes that show their whole text, and a name that starts at the left on house pages.
#include "courses/astrology/frmLearnAstrologyMain.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "controls.h"
#include "platform/forms.h"
#include "shell/choice_text_box.h"

using namespace modLearnAstrologyRun;
using namespace modLearnAstrologyTest;

namespace {

frmLearnAstrologyMain* openCourse()
{
    frmLearnAstrologyMain* w = platform::Forms::instance<frmLearnAstrologyMain>();
    w->show();
    return w;
}

// What a screen reader does to tick a box or choose an option.
void accessibleToggle(QAbstractButton* button)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible && accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

void pick(QWidget* w, const QString& list, int index)
{
    auto* box = child<QComboBox>(w, list);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void startTest(QWidget* w, int subject, int attribute)
{
    click(w, "optOption_1");
    pick(w, "cboTestOptionMain", subject);
    pick(w, "cboTestOptionSub", attribute);
    click(w, "cmdNext");
}

QRadioButton* option(QWidget* w, int slot) { return child<QRadioButton>(w, QStringLiteral("optAnswer_Choice_%1").arg(slot)); }
ChoiceTextBox* answerBox(QWidget* w, int slot)
{
    return child<ChoiceTextBox>(w, QStringLiteral("txtAnswer_Choice_%1").arg(slot));
}

void addSubjectRows()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("attributes");
    QTest::newRow("signs") << SubjectSigns << 16;
    QTest::newRow("planets") << SubjectPlanets << 8;
    QTest::newRow("houses") << SubjectHouses << 7;
}

} // namespace

class TestAstrologyAnswerPage : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    // The mode rule runs on a screen reader's toggle as it does on a click.
    void modeChoiceFollowsTheAccessibleToggle()
    {
        frmLearnAstrologyMain* w = openCourse();
        accessibleToggle(child<QRadioButton>(w, "optOption_1"));
        QVERIFY(child<QRadioButton>(w, "optOption_1")->isChecked());
        QVERIFY(child<QComboBox>(w, "cboTestOptionMain")->isEnabled());
        QVERIFY(child<QComboBox>(w, "cboTestOptionSub")->isEnabled());
        QVERIFY(!child<QComboBox>(w, "cboLearnOptionMain")->isEnabled());
        QVERIFY(!child<QComboBox>(w, "cboLearnOptionSub")->isEnabled());
        accessibleToggle(child<QRadioButton>(w, "optOption_0"));
        QVERIFY(child<QComboBox>(w, "cboLearnOptionMain")->isEnabled());
        QVERIFY(!child<QComboBox>(w, "cboTestOptionSub")->isEnabled());
        // A choice made by the program runs the rule too.
        child<QRadioButton>(w, "optOption_1")->setChecked(true);
        QVERIFY(child<QComboBox>(w, "cboTestOptionMain")->isEnabled());
        QVERIFY(!child<QComboBox>(w, "cboLearnOptionMain")->isEnabled());
    }

    // An answer chosen through the accessible toggle is the one stored.
    void answerChosenByTheAccessibleToggle()
    {
        frmLearnAstrologyMain* w = openCourse();
        startTest(w, SubjectSigns, 1);
        accessibleToggle(option(w, 3));
        QVERIFY(option(w, 3)->isChecked());
        const QString chosen = w->testState().ChoiceCaptions[3];
        click(w, "cmdNextQuestion");
        QCOMPARE(w->testState().GivenAnswers[0], chosen);
    }

    // Each option is announced by the answer it stands for, on every question.
    void optionsAreNamedByTheirAnswers_data() { addSubjectRows(); }

    void optionsAreNamedByTheirAnswers()
    {
        QFETCH(int, subject);
        QFETCH(int, attributes);
        frmLearnAstrologyMain* w = openCourse();
        for (int attribute = 0; attribute < attributes; ++attribute) {
            startTest(w, subject, attribute);
            const int n = w->testState().QuestionCount();
            for (int q = 0; q < n; ++q) {
                for (int s = 0; s < SlotCount; ++s) {
                    QString expected = w->testState().ChoiceCaptions[s];
                    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                    QCOMPARE(option(w, s)->accessibleName(), expected);
                    QCOMPARE(QAccessible::queryAccessibleInterface(option(w, s))->text(QAccessible::Name), expected);
                }
                click(w, "cmdNextQuestion");
            }
            click(w, "cmdBackToMain_1");
        }
    }

    // Every text a test can offer stands whole in its box: nothing to scroll, no line cut.
    void everyAnswerFitsItsBox_data() { addSubjectRows(); }

    void everyAnswerFitsItsBox()
    {
        QFETCH(int, subject);
        QFETCH(int, attributes);
        frmLearnAstrologyMain* w = openCourse();
        for (int attribute = 0; attribute < attributes; ++attribute) {
            startTest(w, subject, attribute);
            const QStringList column = w->runState().AttributeColumn;
            for (int item = 0; item < UpperBound(column); ++item) {
                for (int s = 0; s < SlotCount; ++s)
                    answerBox(w, s)->setChoiceText(column[item]);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                for (int s = 0; s < SlotCount; ++s) {
                    ChoiceTextBox* box = answerBox(w, s);
                    const qreal needed = box->document()->size().height();
                    QVERIFY2(needed <= box->viewport()->height(),
                             qPrintable(QStringLiteral("%1/%2 item %3 slot %4: %5 > %6")
                                            .arg(subject).arg(attribute).arg(item).arg(s).arg(needed)
                                            .arg(box->viewport()->height())));
                }
            }
            click(w, "cmdBackToMain_1");
        }
    }

    // On house pages, where there is no glyph, the name starts at the left edge like the
    // captions above it; with a glyph the name stands right of it.
    void nameStartsAtTheLeftWithoutAGlyph_data()
    {
        QTest::addColumn<bool>("learn");
        QTest::addColumn<int>("subject");
        QTest::addColumn<bool>("glyph");
        QTest::newRow("learn houses") << true << SubjectHouses << false;
        QTest::newRow("test houses") << false << SubjectHouses << false;
        QTest::newRow("learn signs") << true << SubjectSigns << true;
        QTest::newRow("test planets") << false << SubjectPlanets << true;
    }

    void nameStartsAtTheLeftWithoutAGlyph()
    {
        QFETCH(bool, learn);
        QFETCH(int, subject);
        QFETCH(bool, glyph);
        frmLearnAstrologyMain* w = openCourse();
        if (learn) {
            pick(w, "cboLearnOptionMain", subject);
            click(w, "cmdNext");
        } else {
            startTest(w, subject, 0);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QString labels = learn ? QStringLiteral("lblLabel_%1") : QStringLiteral("lblTest_%1");
        QWidget* caption = child<QLabel>(w, labels.arg(0));
        QWidget* name = child<QLabel>(w, labels.arg(2));
        QWidget* picture = child<QLabel>(w, learn ? QStringLiteral("picAstro") : QStringLiteral("picTest"));
        QCOMPARE(picture->isVisible(), glyph);
        const int captionLeft = caption->mapTo(w, QPoint(0, 0)).x();
        const int nameLeft = name->mapTo(w, QPoint(0, 0)).x();
        if (glyph)
            QVERIFY(nameLeft >= picture->mapTo(w, QPoint(picture->width(), 0)).x());
        else
            QCOMPARE(nameLeft, captionLeft);
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestAstrologyAnswerPage)
#include "test_astrology_answer_page.moc"
