// The numerology window as a screen-reader user and a reader of long texts meet it: boxes and
// options driven by the accessible toggle, answers whole in their boxes, and letter charts
// whose letters stand under their digits.
#include "courses/numerology/frmLearnNumerologyMain.h"
#include "courses/numerology/logic/letter_chart.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <memory>

#include "controls.h"
#include "platform/forms.h"
#include "shell/choice_text_box.h"

namespace content = modLearnNumerology;

namespace {

frmLearnNumerologyMain* openCourse()
{
    frmLearnNumerologyMain* w = platform::Forms::instance<frmLearnNumerologyMain>();
    w->show();
    return w;
}

// What a screen reader does to tick a box or choose an option.
void accessibleToggle(QWidget* w, const QString& name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child<QAbstractButton>(w, name));
    QVERIFY(accessible && accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

QString labelText(QWidget* w, const QString& name) { return child<QLabel>(w, name)->text(); }

// The x of every entry of a chart row, as laid out in the document.
QList<qreal> entryPositions(const QTextBlock& block)
{
    QList<qreal> xs;
    const QString text = block.text();
    const QTextLine line = block.layout()->lineForTextPosition(0);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != QLatin1Char(' ') && (i == 0 || text[i - 1] == QLatin1Char(' ')))
            xs << line.cursorToX(int(i));
    return xs;
}

} // namespace

class TestNumerologyScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    // Every wizard choice made through the accessible toggle is the one the next step reads.
    void wizardFollowsTheAccessibleToggle()
    {
        frmLearnNumerologyMain* w = openCourse();
        accessibleToggle(w, "optMain_1");
        click(w, "cmdNext");
        QCOMPARE(frontPage(w), QStringLiteral("fraOption_1"));
        accessibleToggle(w, "optOption_1");
        click(w, "cmdNext2");
        QCOMPARE(frontPage(w), QStringLiteral("fraOption_3"));
        accessibleToggle(w, "chkSubject_7");
        QVERIFY(child<QCheckBox>(w, "chkSubject_7")->isChecked());
        click(w, "cmdNext3");
        QVERIFY(env->messages.empty());
        QCOMPARE(frontPage(w), QStringLiteral("fraOption_4"));
        QVERIFY(labelText(w, "lblSubjectName").startsWith(QStringLiteral("Balance Number ")));
        accessibleToggle(w, "optChoice_2");
        const QString chosen = w->testState().RowTexts[2];
        click(w, "cmdNextQuestion");
        QVERIFY(env->messages.empty());
        QCOMPARE(w->testState().InterpretationAnswers[0], chosen);
    }

    // A second toggle unticks a subject box again, so the choice page asks for one.
    void subjectUntickedByASecondToggle()
    {
        frmLearnNumerologyMain* w = openCourse();
        for (const char* step : {"optMain_0", "cmdNext", "optOption_1", "cmdNext2"})
            click(w, step);
        accessibleToggle(w, "chkSubject_4");
        accessibleToggle(w, "chkSubject_4");
        click(w, "cmdNext3");
        QCOMPARE(env->lastPrompt(), QStringLiteral("Please select at least one option"));
        QCOMPARE(frontPage(w), QStringLiteral("fraOption_3"));
    }

    // A screen reader announces each answer option by the answer it stands for, new with
    // every question.
    void optionsAreNamedByTheirAnswers()
    {
        frmLearnNumerologyMain* w = openCourse();
        for (const char* step : {"optMain_1", "cmdNext", "optOption_0", "cmdNext2"})
            click(w, step);
        for (int question = 0; question < 3; ++question) {
            for (int row = 0; row < 5; ++row) {
                auto* option = child<QRadioButton>(w, QStringLiteral("optChoice_%1").arg(row));
                const QString text = child<ChoiceTextBox>(w, QStringLiteral("txtOption_%1").arg(row))->toPlainText();
                QVERIFY(!text.isEmpty());
                QCOMPARE(QAccessible::queryAccessibleInterface(option)->text(QAccessible::Name), text);
            }
            child<QRadioButton>(w, QStringLiteral("optChoice_0"))->click();
            click(w, "cmdNextQuestion");
        }
    }

    // Every text a test can offer, significance or interpretation, stands whole in its box.
    void everyChoiceFitsItsBox()
    {
        frmLearnNumerologyMain* w = openCourse();
        for (const char* step : {"optMain_1", "cmdNext", "optOption_0", "cmdNext2"})
            click(w, step);
        const content::NumerologyTables& tables = w->runState().Tables;
        QStringList texts(tables.Significance.begin(), tables.Significance.begin() + content::SubjectCount);
        texts << QStringList(tables.InterpText.begin(), tables.InterpText.end());
        for (const QString& text : texts) {
            for (int row = 0; row < 5; ++row)
                child<ChoiceTextBox>(w, QStringLiteral("txtOption_%1").arg(row))->setChoiceText(text);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (int row = 0; row < 5; ++row) {
                auto* box = child<ChoiceTextBox>(w, QStringLiteral("txtOption_%1").arg(row));
                QVERIFY2(box->document()->size().height() <= box->viewport()->height(),
                         qPrintable(QStringLiteral("row %1: %2 > %3 for \"%4\"")
                                        .arg(row).arg(box->document()->size().height())
                                        .arg(box->viewport()->height()).arg(text.left(40))));
            }
        }
    }

    void chartLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("chart");
        QTest::newRow("digits, wide") << "1      2       3      4       5      6       7      8       9" << true;
        QTest::newRow("letters, tight") << "A B C D E F G H I" << true;
        QTest::newRow("eight letters") << "S T U V W X Y Z" << true;
        QTest::newRow("vowels with dashes") << "-    -    U    -    W*   -    Y*   -    -" << true;
        QTest::newRow("consonants") << "--   B    C    D    --   F    G    H    --" << true;
        QTest::newRow("sum") << "Personality Number = 1+8+5 + 1+4+2+8 = 5+6 = 11" << false;
        QTest::newRow("short sum") << "So 1 + 1 = 2" << false;
        QTest::newRow("initial") << "S (the initial of Sarah) = 1" << false;
        QTest::newRow("seven entries") << "A B C D E F G" << false;
        QTest::newRow("lower case") << "a b c d e f g h i" << false;
        QTest::newRow("empty") << "" << false;
    }

    void chartLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, chart);
        QCOMPARE(content::IsLetterChartLine(line), chart);
    }

    // On every significance page, each entry of a letter chart, as the box lays it out, stands
    // exactly under the digit of its column.
    void chartColumnsStandUnderTheirDigits()
    {
        frmLearnNumerologyMain* w = openCourse();
        for (const char* step : {"optMain_0", "cmdNext", "optOption_0", "cmdNext2"})
            click(w, step);
        auto* learn = child<QTextEdit>(w, "RTBLearn");
        QList<int> chartSubjects;
        for (int s = 0; s < content::SubjectCount; ++s) {
            if (s > 0)
                click(w, "cmdNextLearn");
            QTextDocument* document = learn->document();
            QList<qreal> digits;
            int rows = 0;
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
                if (!content::IsLetterChartLine(block.text())) {
                    digits.clear();
                    continue;
                }
                ++rows;
                document->documentLayout()->blockBoundingRect(block);
                const QList<qreal> xs = entryPositions(block);
                if (digits.isEmpty()) {
                    digits = xs;
                    continue;
                }
                QVERIFY(xs.size() <= digits.size());
                for (qsizetype k = 0; k < xs.size(); ++k)
                    QVERIFY2(qAbs(xs[k] - digits[k]) < 0.5,
                             qPrintable(QStringLiteral("subject %1, \"%2\", entry %3: %4 under %5")
                                            .arg(s).arg(block.text()).arg(k).arg(xs[k]).arg(digits[k])));
            }
            if (rows > 0) {
                QCOMPARE(rows, 4);
                chartSubjects << s;
            }
        }
        QCOMPARE(chartSubjects, (QList<int>{1, 2, 3, 7}));
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestNumerologyScreen)
#include "test_numerology_screen.moc"
