// The numerology result report without a window: its runs of text, the score and the end of
// the test.
#include "courses/numerology/logic/modLearnNumerologyTest.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>

using namespace modLearnNumerologyRun;
using namespace modLearnNumerologyTest;
namespace content = modLearnNumerology;

class TestNumerologyReport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        course.emplace();
        course->run.Tables.FillNumerologyTables();
    }
    void cleanup()
    {
        course.reset();
        env.reset();
    }

    // Answers count by their exact text: the other bridge subject's copy of a text counts, a
    // copy differing in case or blanks does not.
    void interpretationReport()
    {
        course->run.BySignificance = false;
        course->test.TestBuilt = true;
        course->run.SubjectChosen.fill(true);
        course->test.TestItems = {81, 82, 83, 75, 124, 0};
        const QStringList given{course->run.Tables.InterpText[90], course->run.Tables.InterpText[82].toUpper(),
                                course->run.Tables.InterpText[83] + QLatin1Char(' '), course->run.Tables.InterpText[75], QString()};
        course->test.InterpretationAnswers = given + QStringList{QString()};
        const Report report = course->test.ShowNumerologyResult();

        QCOMPARE(report.caption, QStringLiteral("Test Result: Interpretation"));
        const QStringList headings{"Life Path / Expression Bridge Number 6", "Life Path / Expression Bridge Number 7",
                                   "Life Path / Expression Bridge Number 8", "Life Path / Expression Bridge Number 0",
                                   "Challenge Number 0"};
        const QList<int> items{81, 82, 83, 75, 124};
        for (int q = 0; q < 5; ++q) {
            QCOMPARE(report.parts[2 * q], (ReportPart{headings[q] + QStringLiteral("\r\n"), true}));
            QCOMPARE(report.parts[2 * q + 1],
                     (ReportPart{QStringLiteral("Your Choice: \r\n") + given[q] + QStringLiteral("\r\nCorrect Choice: \r\n")
                                     + course->run.Tables.InterpText[items[q]] + QStringLiteral("\r\n\r\n"),
                                 false}));
        }
        QCOMPARE(report.parts.size(), 11);
        QCOMPARE(report.parts.last(), (ReportPart{QStringLiteral("2 Correct out of 5 Questions"), false}));

        // The result ends the test: the set and the answers are released, the choice cleared.
        QVERIFY(!course->test.TestBuilt);
        QVERIFY(course->test.TestItems.isEmpty() && course->test.InterpretationAnswers.isEmpty());
        QVERIFY(std::none_of(course->run.SubjectChosen.begin(), course->run.SubjectChosen.end(), [](bool chosen) { return chosen; }));
    }

    void significanceReportEndsTheTest()
    {
        course->run.BySignificance = true;
        course->test.TestBuilt = true;
        for (int q = 0; q < 10; ++q) {
            course->test.QuestionSubjects[q] = std::int16_t(q + 5);
            course->test.SignificanceAnswers[q] = course->run.Tables.Significance[q < 7 ? q + 5 : 0];
        }
        const Report report = course->test.ShowNumerologyResult();
        QCOMPARE(report.caption, QStringLiteral("Test Result: Significance"));
        QCOMPARE(report.parts.first(), (ReportPart{QStringLiteral("Life Path / Expression Bridge Number\r\n"), true}));
        QCOMPARE(report.parts.last(), (ReportPart{QStringLiteral("7 Correct out of 10 Questions"), false}));
        QVERIFY(std::all_of(course->test.QuestionSubjects.begin(), course->test.QuestionSubjects.end(), [](auto s) { return s == 0; }));
        QVERIFY(std::all_of(course->test.SignificanceAnswers.begin(), course->test.SignificanceAnswers.end(), [](auto& a) { return a.isEmpty(); }));
        // The score starts at 0 for every report.
        QCOMPARE(course->test.ShowNumerologyResult().parts.last().text, QStringLiteral("0 Correct out of 10 Questions"));
    }

private:
    // A course as a window owns it: the wizard state and the test on it.
    struct Course {
        NumerologyRun run;
        NumerologyTest test{run};
    };

    std::unique_ptr<TestEnvironment> env;
    std::optional<Course> course;
};

ORVANEL_TEST(TestNumerologyReport)
#include "test_numerology_report.moc"
