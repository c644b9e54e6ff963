#pragma once
// An astrology test run: the question order, the five answer slots of each question, the
// answers given, the score and the report. QtCore only; the course window shows the results.
// The run state it builds on (subject, attribute, CurrentIndex, the column copies) is in
// modLearnAstrologyRun.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "courses/astrology/modLearnAstrologyRun.h"

namespace modLearnAstrologyTest {

inline constexpr int SlotCount = 5;
inline constexpr int ReportFontSize = 12;

// Slots 0..N (N items of the subject); slot N is never used. Empty when released.
// Item asked by question q.
extern QList<int> QuestionItems;
// The attribute text of the item asked by question q.
extern QStringList RightAnswers;
// The text chosen for question q; empty until answered.
extern QStringList GivenAnswers;
// Item numbers of the five answer slots of the question on screen (slot 5 unused).
extern std::array<int, SlotCount + 1> ChoiceItems;
// The captions of the five answer buttons: the slots' attribute texts.
extern std::array<QString, SlotCount> ChoiceCaptions;

// Number of questions: the upper bound of QuestionItems (12, or 10 for planets).
int QuestionCount();

// The whole number nearest to Rnd x n, an exact half going to the even neighbour: 0..n,
// the two ends half as likely as the others.
int NearestDraw(int n);

// Gives the three arrays fresh slots, loads the run's columns and draws the question order:
// every item of the subject once.
void BuildTest();

// Draws five different items into the slots, then puts the asked item into one slot drawn
// from 0..4 (it may show in another slot too), and sets the captions.
void DrawChoices(int question);

using modLearnAstrologyRun::PictureList;

// What the test page shows for a question.
struct TestQuestion {
    QString subjectCaption;
    QString attributeCaption;
    QString name;
    std::array<QString, SlotCount> options;
    PictureList pictures = PictureList::None;
    int pictureItem = 0;
};

// The question CurrentIndex with freshly drawn answer slots; builds the test first when
// CurrentIndex is 0.
TestQuestion ShowTestQuestion();

// "Next Question": stores the caption of the selected slot (-1 for none) as the answer and
// moves on. True when a next question follows; false after the last, with CurrentIndex
// left on the last question.
bool AnswerQuestion(int selectedSlot);

// Questions whose given answer equals the right one exactly.
int Score();

// A run of report text and whether it is bold; the whole report is at ReportFontSize.
struct ReportPart {
    QString text;
    bool bold = false;
    bool operator==(const ReportPart&) const = default;
};

// The report as runs of text, in the order inserted; lines end in CR LF.
QList<ReportPart> ReportParts();
// The report's text as one string.
QString ReportText();

// Back to the options page: CurrentIndex 0, the column copies and the three test arrays
// released.
void EndRun();

} // namespace modLearnAstrologyTest
