#include "courses/tarot/logic/tarot_questions.h"

#include <QSet>
#include <QStringList>
#include <vector>

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/modGlobals.h"
#include "platform/random.h"

namespace tarot {

namespace {

const QString IdField = QStringLiteral("ID");
const QString NameField = QStringLiteral("Name");
const QString KeywordField = QStringLiteral("Keyword");

QString MeaningOf(const Recordset& card, bool reversed)
{
    return card.Field(reversed ? QStringLiteral("reversedmeaning") : QStringLiteral("normalmeaning")).toString();
}

// Takes one element out of the pool, each with the same chance.
template <typename T>
T TakeAtRandom(std::vector<T>& pool)
{
    const auto index = static_cast<std::size_t>(platform::RndInt(static_cast<int>(pool.size())));
    T taken = std::move(pool[index]);
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(index));
    return taken;
}

// The distinct, non-empty keywords of a keyword query, in the order the database gives them.
bool ReadKeywords(modDB& db, const QString& sql, QStringList& keywords, QString& problem)
{
    Recordset rows;
    if (!db.OpenRecordset(rows, db.CardConnection, sql)) {
        problem = db.lastError();
        return false;
    }
    QSet<QString> seen;
    for (bool more = rows.MoveFirst(); more; more = rows.MoveNext()) {
        const QString word = rows.Field(KeywordField).toString();
        if (!word.isEmpty() && !seen.contains(word)) {
            seen.insert(word);
            keywords << word;
        }
    }
    return true;
}

bool FindCard(const Recordset& cards, std::int32_t id, Recordset& card, QString& problem)
{
    card = CardRecord(cards, id);
    if (card.RecordCount() == 0) {
        problem = QStringLiteral("The card with ID %1 is not in the chosen card set.").arg(id);
        return false;
    }
    return true;
}

} // namespace

Recordset CardRecord(const Recordset& cards, std::int32_t id)
{
    Recordset card = cards;
    card.Filter(QString());
    card.Filter(IdField + QLatin1Char('=') + QString::number(id));
    return card;
}

std::optional<std::int32_t> DrawUnaskedCard(const Recordset& cards, const DynamicArray<std::int32_t>& asked)
{
    Recordset set = cards;
    set.Filter(QString());
    std::vector<std::int32_t> free;
    free.reserve(static_cast<std::size_t>(set.RecordCount()));
    for (bool more = set.MoveFirst(); more; more = set.MoveNext()) {
        const std::int32_t id = set.Field(IdField).toInt();
        if (!modGlobals::IsInArrayLong(id, asked))
            free.push_back(id);
    }
    if (free.empty())
        return std::nullopt;
    return TakeAtRandom(free);
}

bool BuildDescriptionQuestion(const Recordset& cards, TarotRun& run, DescriptionQuestion& question, QString& problem)
{
    Recordset card;
    if (!FindCard(cards, run.CurrentCardId, card, problem))
        return false;
    question = DescriptionQuestion();
    question.CardId = run.CurrentCardId;
    question.CardName = card.Field(NameField).toString();

    // Reversed when Rnd x 10, rounded half to even, is odd.
    run.CurrentReversed = run.ReversedAllowed && platform::RoundHalfEven(platform::Rnd() * 10) % 2 == 1;
    question.Reversed = run.CurrentReversed;

    const LevelShape shape = ShapeOfLevel(run.Level);
    run.FirstAnswerSlot = shape.FirstAnswerSlot;
    run.LastAnswerSlot = shape.LastAnswerSlot;
    question.FirstAnswerSlot = shape.FirstAnswerSlot;
    question.LastAnswerSlot = shape.LastAnswerSlot;
    question.RightSlot = run.FirstAnswerSlot + platform::RndInt(run.LastAnswerSlot - run.FirstAnswerSlot + 1);

    // Wrong choices: other cards of the set whose meaning differs from every text on show.
    const QString right = MeaningOf(card, run.CurrentReversed);
    std::vector<QString> wrong;
    QSet<QString> taken{right};
    Recordset set = cards;
    set.Filter(QString());
    for (bool more = set.MoveFirst(); more; more = set.MoveNext()) {
        const QString text = MeaningOf(set, run.CurrentReversed);
        if (set.Field(IdField).toInt() != run.CurrentCardId && !taken.contains(text)) {
            taken.insert(text);
            wrong.push_back(text);
        }
    }
    const int wrongSlots = run.LastAnswerSlot - run.FirstAnswerSlot;
    if (static_cast<int>(wrong.size()) < wrongSlots) {
        problem = QStringLiteral("The chosen card set holds too few different meanings to ask about \"%1\": "
                                 "%2 other meanings are needed.")
                      .arg(question.CardName)
                      .arg(wrongSlots);
        return false;
    }

    for (int slot = run.FirstAnswerSlot; slot <= run.LastAnswerSlot; ++slot) {
        QString& caption = question.Captions[static_cast<std::size_t>(slot)];
        bool SkipAnswerSlot = false;
        if (slot == question.RightSlot) {
            caption = right;
            SkipAnswerSlot = true;
        }
        // The right slot has its caption; every other slot takes a wrong meaning.
        if (SkipAnswerSlot)
            continue;
        caption = TakeAtRandom(wrong);
    }
    return true;
}

void ShuffleKeywords(TarotRun& run)
{
    run.TrueKeywordBoxes.redim(run.KeywordsToChoose - 1);
    std::vector<std::int32_t> freeBoxes;
    for (int box = 0; box <= run.LastKeywordBox; ++box)
        freeBoxes.push_back(box);
    for (int i = 0; i < run.KeywordsToChoose; ++i)
        run.TrueKeywordBoxes[i] = freeBoxes.empty() ? -1 : TakeAtRandom(freeBoxes);
}

bool BuildKeywordQuestion(modDB& db, const Recordset& cards, TarotRun& run, KeywordQuestion& question, QString& problem)
{
    run.CurrentReversed = false;
    const LevelShape shape = ShapeOfLevel(run.Level);
    run.LastKeywordBox = shape.LastKeywordBox;
    run.KeywordsToChoose = shape.KeywordsToChoose;

    Recordset card;
    if (!FindCard(cards, run.CurrentCardId, card, problem))
        return false;
    question = KeywordQuestion();
    question.CardId = run.CurrentCardId;
    question.CardName = card.Field(NameField).toString();
    question.LastKeywordBox = run.LastKeywordBox;
    question.KeywordsToChoose = run.KeywordsToChoose;
    ShuffleKeywords(run);

    const QString id = QString::number(run.CurrentCardId);
    QStringList own;
    if (!ReadKeywords(db, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + id, own, problem))
        return false;
    if (own.size() < run.KeywordsToChoose) {
        problem = QStringLiteral("The card \"%1\" has only %2 different keywords in the card database; "
                                 "this level asks for %3.")
                      .arg(question.CardName)
                      .arg(own.size())
                      .arg(run.KeywordsToChoose);
        return false;
    }
    QStringList others;
    if (!ReadKeywords(db, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=") + id, others, problem))
        return false;
    // No keyword of this card may stand on a wrong box, whether chosen as a true one or not.
    const QSet<QString> ownSet(own.cbegin(), own.cend());
    std::vector<QString> wrong;
    for (const QString& word : std::as_const(others))
        if (!ownSet.contains(word))
            wrong.push_back(word);
    const int wrongBoxes = run.LastKeywordBox + 1 - run.KeywordsToChoose;
    if (static_cast<int>(wrong.size()) < wrongBoxes) {
        problem = QStringLiteral("The card database holds too few keywords of other cards to ask about \"%1\".")
                      .arg(question.CardName);
        return false;
    }

    std::vector<QString> truePool(own.cbegin(), own.cend());
    for (int i = 0; i < run.KeywordsToChoose; ++i)
        question.Captions[static_cast<std::size_t>(run.TrueKeywordBoxes[i])] = TakeAtRandom(truePool);
    for (int box = 0; box <= run.LastKeywordBox; ++box)
        if (!modGlobals::IsInArrayLong(box, run.TrueKeywordBoxes))
            question.Captions[static_cast<std::size_t>(box)] = TakeAtRandom(wrong);
    return true;
}

std::int32_t DescriptionScore(const DescriptionQuestion& question, int chosenSlot)
{
    return chosenSlot >= 0 && chosenSlot == question.RightSlot ? 1 : 0;
}

std::int32_t KeywordScore(const TarotRun& run, const std::array<bool, KeywordBoxes>& ticked)
{
    std::int32_t score = 0;
    for (std::int32_t box : run.TrueKeywordBoxes)
        if (box >= 0 && box < KeywordBoxes && ticked[static_cast<std::size_t>(box)])
            ++score;
    return score;
}

} // namespace tarot
