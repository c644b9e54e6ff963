#pragma once
// The questions of the tarot tests, built from the card set and the card database: which card
// comes next, the choices of a description question, the keyword boxes of a keyword question,
// and the score of an answer. Every draw picks among what is still free, so it always ends;
// a question that the data cannot fill comes back as a problem text instead.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "courses/tarot/logic/recordset.h"
#include "courses/tarot/logic/tarot_run.h"

class modDB;

namespace tarot {

struct DescriptionQuestion {
    std::int32_t CardId = 0;
    QString CardName;
    bool Reversed = false;
    int FirstAnswerSlot = 0;
    int LastAnswerSlot = 0;
    int RightSlot = -1;
    // The meaning shown on each choice; empty outside the level's slots.
    std::array<QString, AnswerSlots> Captions{};
};

struct KeywordQuestion {
    std::int32_t CardId = 0;
    QString CardName;
    int LastKeywordBox = 0;
    int KeywordsToChoose = 0;
    // The keyword on each box; empty after the level's last box.
    std::array<QString, KeywordBoxes> Captions{};
};

// The set narrowed to one card, which is then current (a copy; the set stays as it is).
Recordset CardRecord(const Recordset& cards, std::int32_t id);

// A card of the set that is not among the asked ones, each with the same chance; none when
// every card of the set was asked.
std::optional<std::int32_t> DrawUnaskedCard(const Recordset& cards, const DynamicArray<std::int32_t>& asked);

// The description question about run.CurrentCardId at run.Level: decides whether the card is
// asked reversed (when the run allows it) and in which slot the right meaning stands; the
// other slots show meanings of other cards of the set, each different from the right one and
// from one another. Sets the run's answer slots and CurrentReversed. False, with problem set,
// when the card is not in the set or the set has too few other meanings.
bool BuildDescriptionQuestion(const Recordset& cards, TarotRun& run, DescriptionQuestion& question, QString& problem);

// Chooses the boxes that will hold the card's true keywords (run.TrueKeywordBoxes), each box
// at most once, among the boxes of the level.
void ShuffleKeywords(TarotRun& run);

// The keyword question about run.CurrentCardId at run.Level: the card's true keywords, all
// different, in the boxes ShuffleKeywords chose, and in every other box of the level a
// keyword of another card that is none of this card's keywords and not shown twice. Always
// upright. False, with problem set, when the card is not in the set, the database cannot be
// read, or there are too few keywords.
bool BuildKeywordQuestion(modDB& db, const Recordset& cards, TarotRun& run, KeywordQuestion& question,
                          QString& problem);

// What the user gave as the answer to the question on screen: the chosen choice (-1: none) in
// the description test, the ticked keyword boxes in the keyword test.
struct Answer {
    int ChosenSlot = -1;
    std::array<bool, KeywordBoxes> Ticked{};
};

// 1 when the chosen slot (-1: none) holds the right meaning, else 0.
std::int32_t DescriptionScore(const DescriptionQuestion& question, int chosenSlot);
// The number of true keyword boxes that are ticked.
std::int32_t KeywordScore(const TarotRun& run, const std::array<bool, KeywordBoxes>& ticked);

} // namespace tarot
