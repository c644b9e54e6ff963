#include "card_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include "card_database_writer.h"

namespace card_fixture {

QByteArray jpegPicture(int id, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((id * 37) % 360, 200, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

carddb::CardSource validCard(int id)
{
    carddb::CardSource card;
    card.id = id;
    card.group = carddb::groupOfCard(id);
    card.name = QStringLiteral("Card %1").arg(id);
    for (int k = 1; k <= carddb::KeywordsPerCard; ++k)
        card.keywords << QStringLiteral("Word %1-%2").arg(id).arg(k);
    card.upright = QStringLiteral("Upright %1: ").arg(id) + QStringLiteral("a steady meaning of this card. ").repeated(10).trimmed();
    card.reversed = QStringLiteral("Reversed %1: ").arg(id) + QStringLiteral("a turned meaning of this card. ").repeated(10).trimmed();
    card.picture = jpegPicture(id);
    return card;
}

std::vector<carddb::CardSource> fullDeck()
{
    std::vector<carddb::CardSource> cards;
    for (int id = 1; id <= carddb::CardCount; ++id)
        cards.push_back(validCard(id));
    return cards;
}

QString sourceBlock(const carddb::CardSource& card)
{
    return QStringLiteral("ID: %1\nName: %2\nGroup: %3\nKeywords: %4\nUpright: %5\nReversed: %6\n")
        .arg(card.id)
        .arg(card.name)
        .arg(card.group)
        .arg(card.keywords.join(QStringLiteral(" | ")), card.upright, card.reversed);
}

void writeSources(const QString& folder, const std::vector<carddb::CardSource>& cards)
{
    const QDir root(folder);
    root.mkpath(QStringLiteral("cards"));
    root.mkpath(QStringLiteral("pictures"));
    QString texts[5];
    for (const carddb::CardSource& card : cards) {
        QString& text = texts[std::clamp(card.group, 0, 4)];
        text += (text.isEmpty() ? QStringLiteral("# Made-up cards for the tests\n") : QStringLiteral("\n")) + sourceBlock(card);
        QFile picture(root.filePath(QStringLiteral("pictures/%1.jpg").arg(card.id, 2, 10, QLatin1Char('0'))));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write(card.picture);
    }
    for (int group = 0; group < 5; ++group) {
        if (texts[group].isEmpty())
            continue;
        QFile file(root.filePath(QStringLiteral("cards/%1-group.txt").arg(group, 2, 10, QLatin1Char('0'))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(texts[group].toUtf8());
    }
}

bool writeDatabase(const QString& path, const std::vector<carddb::CardSource>& cards)
{
    QString error;
    const bool written = carddb::writeCardDatabase(path, cards, &error);
    if (!written)
        QTest::qFail(qPrintable(QStringLiteral("cannot write the test database: ") + error), __FILE__, __LINE__);
    return written;
}

} // namespace card_fixture
