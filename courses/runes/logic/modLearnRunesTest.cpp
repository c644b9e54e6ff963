// Runes test runs: question order, question builders, answer check and result list.
#include "courses/runes/logic/modLearnRunesTest.h"

#include <algorithm>
#include <span>

#include "courses/runes/logic/modLearnRunes.h"
#include "platform/random.h"

namespace modLearnRunesTest {

namespace {

using namespace modLearnRunes;

const std::array<QString, RuneCount>& meaningTable(int position)
{
    switch (position) {
    case PositionReversed: return ReversedMeanings;
    case PositionMerkstave: return MerkstaveMeanings;
    default: return UprightMeanings;
    }
}

// The seven runes that read the same upside down carry a note as their reversed text and a
// merkstave text of their own; every other rune has one text for both.
bool isNonReversible(int rune) { return ReversedMeanings[rune] != MerkstaveMeanings[rune]; }

// Fills every option with a meaning of any rune in any position, drawn again while
// `excluded` refuses it or it stands on an earlier option, so each wrong option stands once.
template <typename Excluded>
void drawWrongMeanings(QStringList& choices, Excluded excluded)
{
    for (auto slot = choices.begin(); slot != choices.end(); ++slot) {
        for (;;) {
            const int t = platform::RndInt(3);
            const int k = platform::RndInt(RuneCount);
            const QString& meaning = meaningTable(t)[k];
            if (!excluded(t, k) && std::find(choices.begin(), slot, meaning) == slot) {
                *slot = meaning;
                break;
            }
        }
    }
}

// Draws a keyword of the whole list, again while it is one of `excluded` or one of the options
// drawn before it, so that each wrong option is a keyword of other runes only and stands once.
void drawWrongKeywords(QStringList& choices, const QStringList& excluded)
{
    for (auto slot = choices.begin(); slot != choices.end(); ++slot) {
        const QString* keyword;
        do
            keyword = &StoneKeywords[platform::RndInt(int(StoneKeywords.size()))];
        while (excluded.contains(*keyword) || std::find(choices.begin(), slot, *keyword) != slot);
        *slot = *keyword;
    }
}

QStringList keywordsOf(int rune)
{
    QStringList keywords;
    for (int j = 0; j < KeywordsPerRune; ++j)
        keywords << StoneKeywords[rune * KeywordsPerRune + j];
    return keywords;
}

QString joinedEntries(std::span<const QString> entries)
{
    QStringList parts;
    for (const QString& entry : entries)
        parts << entry;
    return parts.join(QStringLiteral(", "));
}

} // namespace

int TestRun::OptionCount() const { return TestLevel == BeginnerLevel ? BeginnerOptions : AdvancedOptions; }

int TestRun::RequiredTicks() const { return TestLevel == BeginnerLevel ? 1 : AdvancedAnswers; }

// Clamped so that a stray number can never index outside the order.
int TestRun::runeOfQuestion(int n) const { return QuestionOrder[std::clamp(n, 1, QuestionCount)]; }

void TestRun::ShuffleQuestionOrder()
{
    for (int i = 1; i <= QuestionCount; ++i) {
        platform::Randomize();
        int r = platform::RndInt(QuestionCount);
        for (int j = 1; j < i; ++j) {
            if (QuestionOrder[j] == r) {
                r = platform::RndInt(QuestionCount);
                j = 0; // compare again from slot 1
            }
        }
        QuestionOrder[i] = r;
    }
}

Question TestRun::startQuestion(int n)
{
    FillRuneTables();
    platform::Randomize();
    Question q;
    q.number = n;
    q.rune = runeOfQuestion(n);
    q.stoneName = StoneNames[q.rune];
    q.pictureKey = StoneImageKey(q.rune);
    q.indexCaption = QStringLiteral("Question %1").arg(n);
    const bool beginner = TestLevel == BeginnerLevel;
    q.choiceCaption = beginner ? QStringLiteral("You must choose only 1 option") : QStringLiteral("You must choose 4 options");
    q.requiredTicks = RequiredTicks();
    CorrectAnswers = QStringList(beginner ? 1 : AdvancedAnswers);
    AnswerChoices = QStringList(OptionCount());
    return q;
}

// Places each correct answer in turn on a free option, drawn among all options.
void TestRun::placeAnswers(const QStringList& answers)
{
    QList<int> taken;
    for (const QString& answer : answers) {
        int p;
        do
            p = platform::RndInt(int(AnswerChoices.size()));
        while (taken.contains(p));
        taken.append(p);
        AnswerChoices[p] = answer;
    }
}

Question TestRun::finishQuestion(Question q) const
{
    q.options = AnswerChoices;
    q.correctAnswers = CorrectAnswers;
    return q;
}

// Stone position asked by a Beginner meaning question: c picks an order of preference, and
// the first position of that order the run asks about wins.
int TestRun::drawAskedPosition() const
{
    static constexpr std::array<std::array<int, 3>, 3> Preference{{
        {PositionUpright, PositionReversed, PositionMerkstave},
        {PositionReversed, PositionUpright, PositionMerkstave},
        {PositionMerkstave, PositionUpright, PositionReversed},
    }};
    const auto& order = Preference[platform::RndInt(3)];
    for (int position : order)
        if (positionAsked(position))
            return position;
    return order[0]; // the wizard always asks at least one position
}

Question TestRun::BuildKeywordQuestion()
{
    Question q = startQuestion(KeywordQuestionNo);
    const int first = q.rune * KeywordsPerRune;
    // A wrong option that is a keyword of the asked rune would score a true keyword as wrong.
    const QStringList own = keywordsOf(q.rune);
    if (TestLevel == BeginnerLevel) {
        CorrectAnswers[0] = StoneKeywords[first + platform::RndInt(KeywordsPerRune)];
        drawWrongKeywords(AnswerChoices, own);
        AnswerChoices[platform::RndInt(BeginnerOptions)] = CorrectAnswers[0];
    } else {
        CorrectAnswers = own;
        drawWrongKeywords(AnswerChoices, own);
        placeAnswers(CorrectAnswers);
    }
    return finishQuestion(q);
}

QString KeywordsLine(int rune)
{
    return QStringLiteral("Keywords: ") + joinedEntries(std::span<const QString>(modLearnRunes::StoneKeywords)
                             .subspan(static_cast<std::size_t>(rune * modLearnRunes::KeywordsPerRune),
                                      modLearnRunes::KeywordsPerRune));
}

QString AlternativeNamesLine(int rune)
{
    return QStringLiteral("Also known as: ")
        + joinedEntries(std::span<const QString>(modLearnRunes::AlternativeNames)
                            .subspan(static_cast<std::size_t>(rune * modLearnRunes::AlternativeNamesPerRune),
                                     modLearnRunes::AlternativeNamesPerRune));
}

QStringList TestRun::AdvancedMeaningAnswers(int rune) const
{
    QStringList answers;
    auto add = [&answers](const QString& text) {
        if (answers.size() < AdvancedAnswers && !answers.contains(text))
            answers.append(text);
    };
    for (int position = PositionUpright; position <= PositionMerkstave; ++position)
        if (positionAsked(position))
            add(meaningTable(position)[rune]);
    for (int position = PositionUpright; position <= PositionMerkstave; ++position)
        add(meaningTable(position)[rune]);
    add(KeywordsLine(rune));
    add(AlternativeNamesLine(rune));
    return answers;
}

Question TestRun::BuildMeaningQuestion()
{
    Question q = startQuestion(MeaningQuestionNo);
    const int rune = q.rune;
    if (TestLevel == BeginnerLevel) {
        q.askedPosition = drawAskedPosition();
        const QString correct = meaningTable(q.askedPosition)[rune];
        CorrectAnswers[0] = correct;
        // The question does not say which position it asks, so no other meaning of the rune
        // may stand as a wrong option: ticking it would score a true meaning as wrong.
        const QStringList own{UprightMeanings[rune], ReversedMeanings[rune], MerkstaveMeanings[rune]};
        drawWrongMeanings(AnswerChoices, [&own](int t, int k) { return own.contains(meaningTable(t)[k]); });
        AnswerChoices[platform::RndInt(BeginnerOptions)] = correct;
    } else {
        // Four options that belong to the rune count as correct, so a user who knows the rune
        // can tick all four; they hold every meaning text of the rune, so no wrong option can
        // be one. When the asked rune has a "cannot be reversed" note, the other runes' notes
        // stay out too, as they say the same.
        CorrectAnswers = AdvancedMeaningAnswers(rune);
        const QStringList correct = CorrectAnswers;
        const bool noteAsked = isNonReversible(rune);
        drawWrongMeanings(AnswerChoices, [&correct, noteAsked](int t, int k) {
            if (correct.contains(meaningTable(t)[k]))
                return true;
            return noteAsked && t == PositionReversed && isNonReversible(k);
        });
        placeAnswers(CorrectAnswers);
    }
    return finishQuestion(q);
}

AnswerCheck TestRun::CheckAnswer(int questionNo, const QStringList& captions, const QList<bool>& ticked)
{
    AnswerCheck check;
    const int shown = std::min<int>({OptionCount(), int(captions.size()), int(ticked.size())});
    for (int i = 0; i < shown; ++i)
        if (ticked[i])
            ++check.tickedCount;
    if (TestLevel == BeginnerLevel) {
        if (check.tickedCount > 1)
            check.message = QStringLiteral("You can select 1 option");
        else if (check.tickedCount == 0)
            check.message = QStringLiteral("You must select 1 option");
    } else {
        if (check.tickedCount == 0)
            check.message = QStringLiteral("You must select 4 options");
        else if (check.tickedCount != AdvancedAnswers)
            check.message = QStringLiteral("You can select 4 options");
    }
    if (!check.accepted())
        return check;

    // One point for every correct answer that a ticked caption equals, character by character.
    const int answers = TestLevel == BeginnerLevel ? 1 : AdvancedAnswers;
    for (int i = 0; i < shown; ++i) {
        if (!ticked[i])
            continue;
        for (int a = 0; a < answers && a < CorrectAnswers.size(); ++a)
            if (captions[i] == CorrectAnswers[a])
                ++check.score;
    }
    QuestionScore = check.score;
    const QString outOf = TestLevel == BeginnerLevel ? QStringLiteral(" Correct Out of 1") : QStringLiteral(" Correct Out of 4");
    if (questionNo >= 1 && questionNo <= QuestionCount)
        QuestionResults[questionNo - 1] = QString::number(QuestionScore) + outOf;
    TotalScore += QuestionScore;
    return check;
}

NextPress TestRun::PressNext(TestKind kind, const QStringList& captions, const QList<bool>& ticked)
{
    NextPress press;
    int& n = kind == TestKind::Keywords ? KeywordQuestionNo : MeaningQuestionNo;
    if (n <= 0) {
        QuestionScore = 0;
        TotalScore = 0;
        n = 1;
        press.outcome = NextPress::ShowQuestion;
        return press;
    }
    const AnswerCheck check = CheckAnswer(n, captions, ticked);
    press.tickedCount = check.tickedCount;
    if (!check.accepted()) {
        press.message = check.message;
        return press;
    }
    if (n < QuestionCount) {
        ++n;
        press.outcome = NextPress::ShowQuestion;
        return press;
    }
    press.resultList = ResultListText(kind);
    QuestionScore = 0;
    TotalScore = 0;
    press.outcome = NextPress::ShowResults;
    return press;
}

QString TestRun::ResultListText(TestKind kind) const
{
    modLearnRunes::FillRuneTables();
    const QString crLf = QStringLiteral("\r\n");
    QString list;
    for (int i = 1; i <= QuestionCount; ++i) {
        const QString& name = modLearnRunes::StoneNames[QuestionOrder[i]];
        list += QStringLiteral("%1.").arg(i, 2, 10, QLatin1Char('0'));
        list += QString(10, QLatin1Char(' '));
        list += name;
        list += QString(std::max<qsizetype>(0, 30 - name.size()), QLatin1Char(' '));
        list += QuestionResults[i - 1];
        list += crLf;
    }
    list += QString(99, QLatin1Char('-')) + crLf;
    list += QString::number(TotalScore) + QStringLiteral(" Correct Out Of ");
    const bool beginner = TestLevel == BeginnerLevel;
    if (kind == TestKind::Keywords)
        list += beginner ? QStringLiteral(" 24 Keywords") : QStringLiteral(" 96 Keywords");
    else
        list += beginner ? QStringLiteral(" 24 Descriptions") : QStringLiteral(" 96 Descriptions");
    return list;
}

bool TickCounter::click(bool nowTicked, int requiredTicks)
{
    if (!nowTicked)
        return false;
    ++TickCount;
    return TickCount == requiredTicks;
}

} // namespace modLearnRunesTest
