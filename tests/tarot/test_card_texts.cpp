// Checks the committed card texts as a learner meets them: a meaning or keyword must not give the
// card away by naming its suit, the suit's object, its rank, its element or its number; every
// meaning speaks to the reader in one voice, fits its length, and no keyword stands on two cards.
// A suit card also keeps off the props of the court ranks (horse, throne, crown...), and a court
// card off the sex and age of its figure, since either points at Page, Knight, Queen or King.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <vector>

#include "card_source.h"
#include "test_registry.h"

namespace {

constexpr int kMajors = 22;
constexpr int kRanksPerSuit = 14;
constexpr int kMinMeaning = 400;
constexpr int kMaxMeaning = 555;

const QString kCardsFolder = QStringLiteral(ORVANEL_SOURCE_DIR "/resources/tarot/cards");

// Every card of every source text, in file order.
const std::vector<carddb::CardSource>& allCards()
{
    static const std::vector<carddb::CardSource> cards = [] {
        std::vector<carddb::CardSource> read;
        const QDir folder(kCardsFolder);
        for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (auto& card : carddb::parseCardText(file.readAll(), name).cards)
                read.push_back(std::move(card));
        }
        return read;
    }();
    return cards;
}

// Whole words, any case; each alternative already spells its plural where it has one.
QRegularExpression wordsPattern(const QString& alternatives)
{
    return QRegularExpression(QStringLiteral("\\b(?:%1)\\b").arg(alternatives), QRegularExpression::CaseInsensitiveOption);
}

// The suit names, their objects and the court ranks: words that name the answer on any card.
const QRegularExpression& giveawayWords()
{
    static const QRegularExpression pattern = wordsPattern(QStringLiteral(
        "suits?|cups?|wands?|swords?|pentacles?|blades?|chalices?|goblets?|rods?|staffs?|staves|batons?"
        "|coins?|discs?|disks?|aces?|pages?|knights?|queens?|kings?"));
    return pattern;
}

// Props and titles of the court ranks: a horse and its rider for the Knight, a throne, crown or
// reign for the Queen and King, youth and the messenger's role for the Page. The deck's name,
// Rider-Waite-Smith, is no hint.
const QRegularExpression& courtPropWords()
{
    static const QRegularExpression pattern = wordsPattern(QStringLiteral(
        "riders?(?!-Waite)|riding|rides|rode|mounted|horses?|horseback|steeds?|gallops?|galloping|galloped"
        "|thrones?|enthroned|crowns?|crowned|monarchs?|rulers?|reigns?|reigning|sovereigns?|royal"
        "|matriarchs?|patriarchs?|youths?|youthful|messengers?"));
    return pattern;
}

// Sex and age of a figure: among the courts only the Queen is a woman, and the Page is the young one.
const QRegularExpression& figureWords()
{
    static const QRegularExpression pattern = wordsPattern(QStringLiteral(
        "he|him|his|himself|she|her|hers|herself|man|woman|gentleman|lady|lord|businessman|businesswoman"
        "|young|younger|mature|immature|maturity|immaturity|elderly|students?"));
    return pattern;
}

// The element of each suit, in group order Cups, Wands, Pentacles, Swords.
QString elementWords(int group)
{
    switch (group) {
    case 1: return QStringLiteral("waters?|watery");
    case 2: return QStringLiteral("fires?|fiery|flames?");
    case 3: return QStringLiteral("earths?|earthy");
    case 4: return QStringLiteral("airs?|airy");
    default: return {};
    }
}

// Rank within the suit, 1 (Ace) .. 14 (King); 0 for the majors.
int rankOf(int id)
{
    return id <= kMajors ? 0 : (id - kMajors - 1) % kRanksPerSuit + 1;
}

constexpr int kFirstCourtRank = 11;

bool isCourt(int id)
{
    return rankOf(id) >= kFirstCourtRank;
}

// The number of a pip card (Two .. Ten) as a word or in digits; empty for other cards.
QString numberWords(int id)
{
    static const QStringList words{QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("four"),
                                   QStringLiteral("five"), QStringLiteral("six"), QStringLiteral("seven"),
                                   QStringLiteral("eight"), QStringLiteral("nine"), QStringLiteral("ten")};
    const int rank = rankOf(id);
    if (rank < 2 || rank > 10)
        return {};
    return QStringLiteral("%1|%2").arg(words.at(rank - 2)).arg(rank);
}

// Each hit of `pattern` in `text`, quoted, for the failure message.
QStringList hits(const QRegularExpression& pattern, const QString& text)
{
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << QLatin1Char('"') + it.next().captured() + QLatin1Char('"');
    return found;
}

QString cardLabel(const carddb::CardSource& card)
{
    return QStringLiteral("%1 (card %2, %3)").arg(card.name).arg(card.id).arg(card.file);
}

} // namespace

class TestCardTexts : public QObject {
    Q_OBJECT
private slots:
    void everyCardIsThere()
    {
        QCOMPARE(static_cast<int>(allCards().size()), carddb::CardCount);
    }

    void cardTexts_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < allCards().size(); ++i)
            QTest::newRow(qPrintable(cardLabel(allCards()[i]))) << static_cast<int>(i);
    }

    // Giveaway words, court props and figures, the number of a pip card, length, voice and dashes, per card.
    void cardTexts()
    {
        QFETCH(int, index);
        const carddb::CardSource& card = allCards()[static_cast<size_t>(index)];
        const QString element = elementWords(card.group);
        const QString number = numberWords(card.id);
        const QRegularExpression elementPattern = wordsPattern(element);
        const QRegularExpression numberPattern = wordsPattern(number);
        static const QRegularExpression secondPerson = wordsPattern(QStringLiteral("you|your|yours|yourself|yourselves"));
        static const QRegularExpression otherVoice = wordsPattern(QStringLiteral("querents?|the person"));
        static const QRegularExpression pointsAtFace = wordsPattern(QStringLiteral("in the picture|this image|this scene"));

        QCOMPARE(card.keywords.size(), carddb::KeywordsPerCard);
        const QStringList parts{card.keywords.join(QLatin1String(" | ")), card.upright, card.reversed};
        const QStringList partNames{QStringLiteral("keywords"), QStringLiteral("upright"), QStringLiteral("reversed")};
        QStringList problems;
        for (int i = 0; i < parts.size(); ++i) {
            const QString& text = parts.at(i);
            QStringList found = hits(giveawayWords(), text);
            if (!element.isEmpty())
                found << hits(elementPattern, text);
            if (!number.isEmpty())
                found << hits(numberPattern, text);
            if (card.group != 0)
                found << hits(courtPropWords(), text);
            if (isCourt(card.id))
                found << hits(figureWords(), text);
            if (!found.isEmpty())
                problems << QStringLiteral("%1 gives the card away: %2").arg(partNames.at(i), found.join(QLatin1String(", ")));
            if (text.contains(QLatin1String(" - ")))
                problems << QStringLiteral("%1 uses a spaced hyphen as a dash").arg(partNames.at(i));
            if (i == 0)
                continue;
            if (text.size() < kMinMeaning || text.size() > kMaxMeaning)
                problems << QStringLiteral("%1 has %2 characters").arg(partNames.at(i)).arg(text.size());
            if (!text.contains(secondPerson) || text.contains(otherVoice))
                problems << QStringLiteral("%1 does not speak to the reader as \"you\" throughout").arg(partNames.at(i));
            if (text.contains(pointsAtFace))
                problems << QStringLiteral("%1 points at the card face: %2").arg(partNames.at(i), hits(pointsAtFace, text).join(QLatin1String(", ")));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
    }

    // A keyword on two cards can't tell them apart.
    void keywordsBelongToOneCard()
    {
        QHash<QString, QString> owner;
        QStringList shared;
        for (const auto& card : allCards()) {
            for (const QString& keyword : card.keywords) {
                const QString key = keyword.trimmed().toCaseFolded();
                const auto it = owner.constFind(key);
                if (it != owner.constEnd())
                    shared << QStringLiteral("\"%1\" on %2 and %3").arg(keyword, it.value(), card.name);
                else
                    owner.insert(key, card.name);
            }
        }
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1String("; "))));
    }
};

ORVANEL_TEST(TestCardTexts)
#include "test_card_texts.moc"
