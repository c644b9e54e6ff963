// The numerology result report without a window: its runs of text, the score and the end of
// the test.
#include "../../courses/numerology/modLearnNumerology.h"
#include "../../courses/numerology/modLearnNumerologyRun.h"
#include "../../courses/numerology/modLearnNumerologyTest.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QTest>
#include <algorithm>
#include <memory>

using namespace modLearnNumerologyRun;
using namespace modLearnNumerologyTest;
namespace content = modLearnNumerology;

class TestNumerologyReport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        content::FillNumerologyTables();
    }
    void cleanup()
    {
        EndTest();
        env.reset();
    }

    // Answers count by their exact text: the other bridge subject's copy of a text counts, a
    // copy differing in case or blanks does not.
    void interpretationReport()
    {
        BySignificance = false;
        TestBuilt = true;
        SubjectChosen.fill(true);
        TestItems = {81, 82, 83, 75, 124, 0};
        const QStringList given{content::InterpText[90], content::InterpText[82].toUpper(),
                                content::InterpText[83] + QLatin1Char(' '), content::InterpText[75], QString()};
        InterpretationAnswers = given + QStringList{QString()};
        const Report report = ShowNumerologyResult();

        QCOMPARE(report.caption, QStringLiteral("Test Result: Interpretation"));
        const QStringList headings{"Life Path / Expression Bridge Number 6", "Life Path / Expression Bridge Number 7",
                                   "Life Path / Expression Bridge Number 8", "Life Path / Expression Bridge Number 0",
                                   "Challenge Number 0"};
        const QList<int> items{81, 82, 83, 75, 124};
        for (int q = 0; q < 5; ++q) {
            QCOMPARE(report.parts[2 * q], (ReportPart{headings[q] + QStringLiteral("\r\n"), true}));
            QCOMPARE(report.parts[2 * q + 1],
                     (ReportPart{QStringLiteral("Your Choice: \r\n") + given[q] + QStringLiteral("\r\nCorrect Choice: \r\n")
                                     + content::InterpText[items[q]] + QStringLiteral("\r\n\r\n"),
                                 false}));
        }
        QCOMPARE(report.parts.size(), 11);
        QCOMPARE(report.parts.last(), (ReportPart{QStringLiteral("2 Correct out of 5 Questions"), false}));

        // The result ends the test: the set and the answers are released, the choice cleared.
        QVERIFY(!TestBuilt);
        QVERIFY(TestItems.isEmpty() && InterpretationAnswers.isEmpty());
        QVERIFY(std::none_of(SubjectChosen.begin(), SubjectChosen.end(), [](bool chosen) { return chosen; }));
    }

    void significanceReportEndsTheTest()
    {
        BySignificance = true;
        TestBuilt = true;
        for (int q = 0; q < 10; ++q) {
            QuestionSubjects[q] = std::int16_t(q + 5);
            SignificanceAnswers[q] = content::Significance[q < 7 ? q + 5 : 0];
        }
        const Report report = ShowNumerologyResult();
        QCOMPARE(report.caption, QStringLiteral("Test Result: Significance"));
        QCOMPARE(report.parts.first(), (ReportPart{QStringLiteral("Life Path / Expression Bridge Number\r\n"), true}));
        QCOMPARE(report.parts.last(), (ReportPart{QStringLiteral("7 Correct out of 10 Questions"), false}));
        QVERIFY(std::all_of(QuestionSubjects.begin(), QuestionSubjects.end(), [](auto s) { return s == 0; }));
        QVERIFY(std::all_of(SignificanceAnswers.begin(), SignificanceAnswers.end(), [](auto& a) { return a.isEmpty(); }));
        // The score starts at 0 for every report.
        QCOMPARE(ShowNumerologyResult().parts.last().text, QStringLiteral("0 Correct out of 10 Questions"));
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestNumerologyReport)
#include "test_numerology_report.moc"
