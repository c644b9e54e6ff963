#pragma once
// The tarot cards as the text sources describe them, and the checks that every card must pass
// before it goes into the card database.
//
// Source format: "#" lines are comments; one block of six lines per card, blocks separated by
// an empty line, in this order:
//   ID: 23
//   Name: Ace of Cups
//   Group: 1
//   Keywords: New feelings | Compassion | ... (seven, separated by "|")
//   Upright: one paragraph on one line
//   Reversed: one paragraph on one line
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace carddb {

inline constexpr int CardCount = 78;
inline constexpr int KeywordsPerCard = 7;
inline constexpr int MaxNameLength = 25;
inline constexpr int MinMeaningLength = 250;
inline constexpr int MaxMeaningLength = 700;
// A card picture: its box of 150 x 260 at twice the pixels, sharp on a screen at twice the scale.
inline constexpr int PictureWidth = 300;
inline constexpr int PictureHeight = 520;

struct CardSource {
    int id = 0;
    QString name;
    int group = -1;
    QStringList keywords;
    QString upright;
    QString reversed;
    QByteArray picture; // the JPEG bytes, stored whole
    // Where the card's block starts, for messages.
    QString file;
    int line = 0;
};

struct CardSources {
    std::vector<CardSource> cards;
    QStringList problems; // each names the file and, where known, the card
};

// The group a card with this ID belongs to: 0 majors (1-22), then 1 Cups, 2 Wands,
// 3 Pentacles, 4 Swords with 14 cards each; -1 outside 1..78.
int groupOfCard(int id);

// Reads the card blocks of one source text; fileName is used in the messages.
CardSources parseCardText(const QByteArray& text, const QString& fileName);

// Reads every *.txt file of cardsFolder (in name order), attaches picture NN.jpg from
// picturesFolder to card NN, and checks the whole set.
CardSources loadCardSources(const QString& cardsFolder, const QString& picturesFolder);

// The checks of one card's fields and picture; each problem names the card.
QStringList checkCard(const CardSource& card);
// The checks across cards: every ID 1..78 exactly once, names unique.
QStringList checkCardSet(const std::vector<CardSource>& cards);

} // namespace carddb
