// The numerology question builders without a window: the drawn question sets and the five
// rows of each question.
#include "../../courses/numerology/modLearnNumerology.h"
#include "../../courses/numerology/modLearnNumerologyRun.h"
#include "../../courses/numerology/modLearnNumerologyTest.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace modLearnNumerologyRun;
using namespace modLearnNumerologyTest;
namespace content = modLearnNumerology;

namespace {

QSet<int> distinctValues(const auto& values) { return QSet<int>(std::begin(values), std::end(values)); }

} // namespace

class TestNumerologyQuestions : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        EndTest();
    }
    void cleanup()
    {
        EndTest();
        env.reset();
    }

    void significanceTest()
    {
        QSet<int> asked;
        QSet<int> rightRows;
        int shownTwice = 0;
        for (int run = 0; run < 20; ++run) {
            BySignificance = true;
            StartTest();
            for (CurrentIndex = 0; CurrentIndex < 10; ++CurrentIndex) {
                const Question question = ShowSignificanceQuestion();
                const int subject = QuestionSubjects[CurrentIndex];
                QCOMPARE(question.subjectName, content::SubjectName[subject]);
                QCOMPARE(question.questionNo, QStringLiteral("Question %1 of 10").arg(CurrentIndex + 1));
                QCOMPARE(distinctValues(RowDraws).size(), RowCount);
                QVERIFY(CorrectRow >= 0 && CorrectRow <= 3);
                rightRows.insert(CorrectRow);
                for (int j = 0; j < RowCount; ++j) {
                    QVERIFY(RowDraws[j] >= 0 && RowDraws[j] < 15);
                    QCOMPARE(question.options[j], content::Significance[j == CorrectRow ? subject : RowDraws[j]]);
                }
                if (std::count(question.options.begin(), question.options.end(), question.options[CorrectRow]) > 1)
                    ++shownTwice;
            }
            // Ten different subjects, drawn once per test.
            QCOMPARE(distinctValues(QList<int>(QuestionSubjects.begin(), QuestionSubjects.begin() + 10)).size(), 10);
            QCOMPARE(QuestionSubjects[10], std::int16_t(0));
            asked.unite(distinctValues(QuestionSubjects));
        }
        QCOMPARE(asked.size(), 15);
        QCOMPARE(rightRows, (QSet<int>{0, 1, 2, 3}));
        // The asked subject is sometimes drawn for another row too, so its text shows twice.
        QVERIFY(shownTwice > 0);
    }

    void interpretationTest_data()
    {
        QTest::addColumn<QList<int>>("subjects");
        QTest::newRow("one subject") << QList<int>{0};
        QTest::newRow("3 and 7") << QList<int>{3, 7};
        QTest::newRow("birthday and challenge") << QList<int>{4, 10};
        QTest::newRow("all fifteen") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    }

    void interpretationTest()
    {
        QFETCH(QList<int>, subjects);
        const int n = 5 * int(subjects.size());
        QSet<int> rightRows;
        QSet<int> rowEntries;
        for (int run = 0; run < 8; ++run) {
            SubjectChosen.fill(false);
            for (int s : subjects)
                SubjectChosen[s] = true;
            BySignificance = false;
            StartTest();
            for (CurrentIndex = 0; CurrentIndex < n; ++CurrentIndex) {
                const Question question = ShowInterpretationQuestion();
                const int item = TestItems[CurrentIndex];
                const int subject = subjects[CurrentIndex / 5];
                QCOMPARE(question.subjectName, content::SubjectName[subject] + QLatin1Char(' ')
                                                   + QString::number(content::InterpNumber[item]));
                QCOMPARE(question.questionNo, QStringLiteral("Question %1 of %2").arg(CurrentIndex + 1).arg(n));
                QCOMPARE(distinctValues(RowDraws).size(), RowCount);
                QVERIFY(CorrectRow >= 0 && CorrectRow <= 3);
                rightRows.insert(CorrectRow);
                for (int j = 0; j < RowCount; ++j) {
                    // Entry 170 is never a wrong row.
                    QVERIFY(RowDraws[j] >= 0 && RowDraws[j] <= 169);
                    rowEntries.insert(RowDraws[j]);
                    QCOMPARE(question.options[j], content::InterpText[j == CorrectRow ? item : RowDraws[j]]);
                }
            }
            // Five different entries of each chosen subject, subjects in rising order; the
            // last slot is never asked.
            QCOMPARE(TestItems.size(), n + 1);
            QCOMPARE(TestItems[n], std::int16_t(0));
            QCOMPARE(InterpretationAnswers, QStringList(n + 1));
            for (int k = 0; k < subjects.size(); ++k) {
                const QList<std::int16_t> five = TestItems.mid(5 * k, 5);
                QCOMPARE(distinctValues(five).size(), 5);
                for (int entry : five)
                    QCOMPARE(content::OwnerSubject(entry), subjects[k]);
            }
        }
        QCOMPARE(rightRows, (QSet<int>{0, 1, 2, 3}));
        // Wrong rows come from the whole table, not only the chosen subjects.
        QVERIFY(rowEntries.size() > 100);
    }

    // The nearest entry to a uniform draw over the slice: its two ends come half as often.
    void entryDrawHalvesTheEndsOfTheSlice()
    {
        content::FillNumerologyTables();
        QList<int> counts(9, 0);
        const int draws = 48000;
        for (int i = 0; i < draws; ++i) {
            const int entry = DrawEntryOf(5); // entries 75..83
            QVERIFY(entry >= 75 && entry <= 83);
            ++counts[entry - 75];
        }
        const int inner = draws / 8;
        for (int k = 0; k <= 8; ++k) {
            const int expected = k == 0 || k == 8 ? inner / 2 : inner;
            QVERIFY2(qAbs(counts[k] - expected) < inner / 10, qPrintable(QString::number(counts[k])));
        }
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestNumerologyQuestions)
#include "test_numerology_questions.moc"
