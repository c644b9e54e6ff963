#include "card_source.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <map>

#include "jpeg_probe.h"

namespace carddb {

namespace {

const QStringList FieldOrder = {QStringLiteral("ID"),       QStringLiteral("Name"),    QStringLiteral("Group"),
                                QStringLiteral("Keywords"), QStringLiteral("Upright"), QStringLiteral("Reversed")};

QString where(const QString& file, int line) { return QStringLiteral("%1:%2").arg(file).arg(line); }

QString cardLabel(const CardSource& card)
{
    return card.name.isEmpty() ? QStringLiteral("card %1").arg(card.id)
                               : QStringLiteral("card %1 (%2)").arg(card.id).arg(card.name);
}

QString problemOf(const CardSource& card, const QString& text)
{
    return QStringLiteral("%1: %2: %3").arg(where(card.file, card.line), cardLabel(card), text);
}

bool readNumber(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// One block of lines (comments already dropped) into a card. Problems name the line and, once
// its ID line has been read, the card.
CardSource parseBlock(const std::vector<std::pair<int, QString>>& lines, const QString& fileName, QStringList& problems)
{
    CardSource card;
    card.file = fileName;
    card.line = lines.front().first;
    std::vector<std::pair<int, QString>> found; // line, problem
    if (static_cast<int>(lines.size()) != FieldOrder.size()) {
        found.emplace_back(card.line, QStringLiteral("a card block needs the six lines %1, found %2 lines")
                                          .arg(FieldOrder.join(QStringLiteral(", ")))
                                          .arg(lines.size()));
    }
    for (qsizetype i = 0; i < qsizetype(lines.size()) && i < FieldOrder.size(); ++i) {
        const auto& [lineNo, text] = lines[static_cast<std::size_t>(i)];
        const QString key = FieldOrder.at(i);
        const QString head = key + QLatin1Char(':');
        if (!text.startsWith(head)) {
            found.emplace_back(lineNo, QStringLiteral("expected the line \"%1 ...\", found \"%2\"").arg(head, text.left(40)));
            continue;
        }
        const QString value = text.mid(head.size()).trimmed();
        if (key == QLatin1String("ID")) {
            if (!readNumber(value, card.id))
                found.emplace_back(lineNo, QStringLiteral("the ID \"%1\" is not a whole number").arg(value));
        } else if (key == QLatin1String("Name")) {
            card.name = value;
        } else if (key == QLatin1String("Group")) {
            if (!readNumber(value, card.group)) {
                card.group = -1;
                found.emplace_back(lineNo, QStringLiteral("the group \"%1\" is not a whole number").arg(value));
            }
        } else if (key == QLatin1String("Keywords")) {
            for (const QString& keyword : value.split(QLatin1Char('|')))
                card.keywords << keyword.trimmed();
        } else if (key == QLatin1String("Upright")) {
            card.upright = value;
        } else {
            card.reversed = value;
        }
    }
    for (const auto& [lineNo, text] : found) {
        const QString label = card.id > 0 ? cardLabel(card) : QStringLiteral("card block");
        problems << QStringLiteral("%1: %2: %3").arg(where(fileName, lineNo), label, text);
    }
    return card;
}

QString idRanges(const std::vector<int>& ids)
{
    QStringList parts;
    for (std::size_t i = 0; i < ids.size();) {
        std::size_t j = i;
        while (j + 1 < ids.size() && ids[j + 1] == ids[j] + 1)
            ++j;
        parts << (i == j ? QString::number(ids[i]) : QStringLiteral("%1-%2").arg(ids[i]).arg(ids[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

int groupOfCard(int id)
{
    if (id < 1 || id > CardCount)
        return -1;
    return id <= 22 ? 0 : (id - 23) / 14 + 1;
}

CardSources parseCardText(const QByteArray& text, const QString& fileName)
{
    CardSources result;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(text);
    if (decoder.hasError()) {
        result.problems << QStringLiteral("%1: the file is not UTF-8 text").arg(fileName);
        return result;
    }
    std::vector<std::pair<int, QString>> block;
    const QStringList lines = decoded.split(QLatin1Char('\n'));
    auto finishBlock = [&] {
        if (!block.empty())
            result.cards.push_back(parseBlock(block, fileName, result.problems));
        block.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.trimmed().isEmpty())
            finishBlock();
        else
            block.emplace_back(i + 1, line);
    }
    finishBlock();
    return result;
}

QStringList checkCard(const CardSource& card)
{
    QStringList problems;
    auto add = [&](const QString& text) { problems << problemOf(card, text); };
    if (groupOfCard(card.id) < 0)
        add(QStringLiteral("the ID must lie between 1 and %1").arg(CardCount));
    else if (card.group != groupOfCard(card.id))
        add(QStringLiteral("the group is %1, but card %2 belongs to group %3").arg(card.group).arg(card.id).arg(groupOfCard(card.id)));
    if (card.name.isEmpty())
        add(QStringLiteral("the name is empty"));
    else if (card.name.size() > MaxNameLength)
        add(QStringLiteral("the name has %1 characters, at most %2 fit").arg(card.name.size()).arg(MaxNameLength));

    QSet<QString> seen;
    bool emptyKeyword = false;
    for (const QString& keyword : card.keywords) {
        emptyKeyword = emptyKeyword || keyword.isEmpty();
        seen.insert(keyword.toCaseFolded());
    }
    if (emptyKeyword)
        add(QStringLiteral("a keyword is empty"));
    if (card.keywords.size() != KeywordsPerCard)
        add(QStringLiteral("has %1 keywords, exactly %2 are needed").arg(card.keywords.size()).arg(KeywordsPerCard));
    else if (seen.size() != card.keywords.size())
        add(QStringLiteral("a keyword is repeated; the %1 keywords must all differ").arg(KeywordsPerCard));

    const std::pair<QString, const QString*> meanings[] = {{QStringLiteral("upright"), &card.upright},
                                                           {QStringLiteral("reversed"), &card.reversed}};
    for (const auto& [label, text] : meanings) {
        if (text->size() < MinMeaningLength || text->size() > MaxMeaningLength)
            add(QStringLiteral("the %1 meaning has %2 characters, it needs %3 to %4")
                    .arg(label)
                    .arg(text->size())
                    .arg(MinMeaningLength)
                    .arg(MaxMeaningLength));
    }
    return problems;
}

QStringList checkCardSet(const std::vector<CardSource>& cards)
{
    QStringList problems;
    std::map<int, const CardSource*> byId;
    QHash<QString, const CardSource*> byName;
    for (const CardSource& card : cards) {
        if (auto [it, fresh] = byId.emplace(card.id, &card); !fresh)
            problems << problemOf(card, QStringLiteral("the ID %1 is used again (first at %2)")
                                            .arg(card.id)
                                            .arg(where(it->second->file, it->second->line)));
        const QString folded = card.name.toCaseFolded();
        if (!folded.isEmpty() && byName.contains(folded))
            problems << problemOf(card, QStringLiteral("the name is used again (first at %1)")
                                            .arg(where(byName[folded]->file, byName[folded]->line)));
        byName.insert(folded, &card);
    }
    std::vector<int> missing;
    for (int id = 1; id <= CardCount; ++id)
        if (!byId.count(id))
            missing.push_back(id);
    if (!missing.empty())
        problems << QStringLiteral("cards missing from the sources: %1 (all %2 cards are needed)").arg(idRanges(missing)).arg(CardCount);
    return problems;
}

CardSources loadCardSources(const QString& cardsFolder, const QString& picturesFolder)
{
    CardSources result;
    const QDir folder(cardsFolder);
    const QStringList files = folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (!folder.exists())
        result.problems << QStringLiteral("%1: the card source folder does not exist").arg(cardsFolder);
    else if (files.isEmpty())
        result.problems << QStringLiteral("%1: the card source folder holds no .txt file").arg(cardsFolder);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            result.problems << QStringLiteral("%1: cannot read: %2").arg(file.fileName(), file.errorString());
            continue;
        }
        CardSources parsed = parseCardText(file.readAll(), file.fileName());
        result.problems << parsed.problems;
        for (CardSource& card : parsed.cards)
            result.cards.push_back(std::move(card));
    }

    const QDir pictures(picturesFolder);
    if (!pictures.exists())
        result.problems << QStringLiteral("%1: the picture folder does not exist").arg(picturesFolder);
    for (CardSource& card : result.cards) {
        result.problems << checkCard(card);
        if (groupOfCard(card.id) < 0 || !pictures.exists())
            continue;
        const QString pictureName = pictures.filePath(QStringLiteral("%1.jpg").arg(card.id, 2, 10, QLatin1Char('0')));
        QFile picture(pictureName);
        if (!picture.open(QIODevice::ReadOnly)) {
            result.problems << problemOf(card, QStringLiteral("its picture %1 cannot be read: %2").arg(pictureName, picture.errorString()));
            continue;
        }
        card.picture = picture.readAll();
        const JpegProbe probe = probeJpeg(card.picture);
        if (!probe.ok)
            result.problems << problemOf(card, QStringLiteral("its picture %1: %2").arg(pictureName, probe.problem));
        else if (probe.width != PictureWidth || probe.height != PictureHeight)
            result.problems << problemOf(card, QStringLiteral("its picture %1 is %2 x %3 pixels, a card picture is %4 x %5")
                                                   .arg(pictureName)
                                                   .arg(probe.width)
                                                   .arg(probe.height)
                                                   .arg(PictureWidth)
                                                   .arg(PictureHeight));
    }
    result.problems << checkCardSet(result.cards);
    return result;
}

} // namespace carddb
