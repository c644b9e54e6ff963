#pragma once
// An astrology test run: the question order, the five answer slots of each question, the
// answers given, the score and the report. QtCore only; the course window owns the test and
// shows the results. The run state it builds on (subject, attribute, CurrentIndex, the column
// copies) is the AstrologyRun it is given.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "courses/astrology/logic/modLearnAstrologyRun.h"
#include "courses/common/report_part.h"

namespace modLearnAstrologyTest {

inline constexpr int SlotCount = 5;
inline constexpr int ReportFontSize = 12;

using modLearnAstrologyRun::PictureList;

// The whole number nearest to Rnd x n, an exact half going to the even neighbour: 0..n,
// the two ends half as likely as the others.
int NearestDraw(int n);

// What the test page shows for a question.
struct TestQuestion {
    QString subjectCaption;
    QString attributeCaption;
    QString name;
    std::array<QString, SlotCount> options;
    PictureList pictures = PictureList::None;
    int pictureItem = 0;
};

class AstrologyTest {
public:
    explicit AstrologyTest(modLearnAstrologyRun::AstrologyRun& run) : Run(run) {}

    // Slots 0..N (N items of the subject); slot N is never used. Empty when released.
    // Item asked by question q.
    QList<int> QuestionItems;
    // The attribute text of the item asked by question q.
    QStringList RightAnswers;
    // The text chosen for question q; empty until answered.
    QStringList GivenAnswers;
    // Item numbers of the five answer slots of the question on screen (slot 5 unused).
    std::array<int, SlotCount + 1> ChoiceItems{};
    // The captions of the five answer buttons: the slots' attribute texts.
    std::array<QString, SlotCount> ChoiceCaptions;

    // Number of questions: the upper bound of QuestionItems (12, or 10 for planets).
    int QuestionCount() const;

    // Gives the three arrays fresh slots, loads the run's columns and draws the question order:
    // every item of the subject once.
    void BuildTest();

    // Draws five different items into the slots, then puts the asked item into one slot drawn
    // from 0..4 (it may show in another slot too), and sets the captions.
    void DrawChoices(int question);

    // The question CurrentIndex with freshly drawn answer slots; builds the test first when
    // CurrentIndex is 0.
    TestQuestion ShowTestQuestion();

    // "Next Question": stores the caption of the selected slot (-1 for none) as the answer and
    // moves on. True when a next question follows; false after the last, with CurrentIndex
    // left on the last question.
    bool AnswerQuestion(int selectedSlot);

    // Questions whose given answer equals the right one exactly.
    int Score() const;

    // The report as runs of text, in the order inserted; lines end in CR LF. The whole report
    // is at ReportFontSize.
    QList<ReportPart> ReportParts() const;
    // The report's text as one string.
    QString ReportText() const;

    // Back to the options page: CurrentIndex 0, the column copies and the three test arrays
    // released.
    void EndRun();

private:
    int itemOfQuestion(int q) const;

    modLearnAstrologyRun::AstrologyRun& Run;
};

} // namespace modLearnAstrologyTest
