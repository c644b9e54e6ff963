// The database tool: reading the card texts, checking every card, and writing the database.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "card_database_writer.h"
#include "card_fixture.h"
#include "card_source.h"
#include "courses/tarot/logic/modDB.h"
#include "jpeg_probe.h"
#include "test_registry.h"

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

carddb::CardSource* findCard(std::vector<carddb::CardSource>& cards, int id)
{
    for (auto& card : cards)
        if (card.id == id)
            return &card;
    return nullptr;
}

QString pictureFile(const QString& root, int id)
{
    return QDir(root).filePath(QStringLiteral("pictures/%1.jpg").arg(id, 2, 10, QLatin1Char('0')));
}

} // namespace

class TestCardSources : public QObject {
    Q_OBJECT
private slots:
    void validDeckPasses()
    {
        QTemporaryDir dir;
        card_fixture::writeSources(dir.path(), card_fixture::fullDeck());
        const auto sources = carddb::loadCardSources(dir.filePath(QStringLiteral("cards")), dir.filePath(QStringLiteral("pictures")));
        QVERIFY2(sources.problems.isEmpty(), qPrintable(sources.problems.join(QLatin1Char('\n'))));
        QCOMPARE(static_cast<int>(sources.cards.size()), carddb::CardCount);
        const carddb::CardSource& ace = sources.cards[22];
        QCOMPARE(ace.id, 23);
        QCOMPARE(ace.group, 1);
        QCOMPARE(ace.keywords, card_fixture::validCard(23).keywords);
        QCOMPARE(ace.upright, card_fixture::validCard(23).upright);
        QCOMPARE(ace.picture, readFile(pictureFile(dir.path(), 23)));
    }

    // One fault in an otherwise valid deck; the problem must name the card and its file.
    void faultsAreNamed_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected"); // empty: the deck still passes
        QTest::addColumn<bool>("namesCard");

        const QString of249 = QString(249, QLatin1Char('u'));
        QTest::newRow("name of 25 fits") << "Name" << 7 << QString(25, QLatin1Char('n')) << "" << true;
        QTest::newRow("name of 26") << "Name" << 7 << QString(26, QLatin1Char('n')) << "the name has 26 characters" << true;
        QTest::newRow("empty name") << "Name" << 7 << "" << "the name is empty" << true;
        QTest::newRow("name twice") << "Name" << 8 << "Card 7" << "the name is used again" << true;
        QTest::newRow("wrong group") << "Group" << 23 << "2" << "the group is 2, but card 23 belongs to group 1" << true;
        QTest::newRow("major in a suit") << "Group" << 22 << "1" << "card 22 belongs to group 0" << true;
        QTest::newRow("last of swords") << "Group" << 78 << "3" << "card 78 belongs to group 4" << true;
        QTest::newRow("group not a number") << "text" << 40 << "Group: 2=>Group: two" << "the group \"two\" is not a whole number" << true;
        QTest::newRow("id out of range") << "ID" << 5 << "79" << "the ID must lie between 1 and 78" << true;
        QTest::newRow("id out of range leaves a gap") << "ID" << 5 << "79" << "cards missing from the sources: 5 " << false;
        QTest::newRow("id twice") << "ID" << 5 << "6" << "the ID 6 is used again" << true;
        QTest::newRow("card missing") << "drop" << 40 << "" << "cards missing from the sources: 40 " << false;
        QTest::newRow("six keywords") << "Keywords" << 30 << "A|B|C|D|E|F" << "has 6 keywords, exactly 7" << true;
        QTest::newRow("eight keywords") << "Keywords" << 30 << "A|B|C|D|E|F|G|H" << "has 8 keywords, exactly 7" << true;
        QTest::newRow("keyword repeated in another case") << "Keywords" << 30 << "A|B|C|D|E|F|a" << "a keyword is repeated" << true;
        QTest::newRow("empty keyword") << "Keywords" << 30 << "A|B||D|E|F|G" << "a keyword is empty" << true;
        QTest::newRow("upright of 250 fits") << "Upright" << 50 << QString(250, QLatin1Char('u')) << "" << true;
        QTest::newRow("upright of 249") << "Upright" << 50 << of249 << "the upright meaning has 249 characters" << true;
        QTest::newRow("reversed of 700 fits") << "Reversed" << 50 << QString(700, QLatin1Char('r')) << "" << true;
        QTest::newRow("reversed of 701") << "Reversed" << 50 << QString(701, QLatin1Char('r')) << "the reversed meaning has 701 characters" << true;
        QTest::newRow("picture missing") << "picture" << 12 << "missing" << "its picture" << true;
        QTest::newRow("picture not a jpeg") << "picture" << 12 << "text" << "not a JPEG picture" << true;
        QTest::newRow("picture cut short") << "picture" << 12 << "truncated" << "cut short" << true;
        QTest::newRow("picture on its side") << "picture" << 12 << "520x300" << "is 520 x 300 pixels, a card picture is 300 x 520" << true;
        QTest::newRow("picture at the shown size") << "picture" << 12 << "150x260" << "is 150 x 260 pixels" << true;
        QTest::newRow("picture a row short") << "picture" << 12 << "300x519" << "is 300 x 519 pixels" << true;
        QTest::newRow("picture empty") << "picture" << 12 << "empty" << "the file is empty" << true;
        QTest::newRow("lines out of order") << "text" << 60 << "Name: Card 60\nGroup: 3=>Group: 3\nName: Card 60"
                                            << "expected the line \"Name: ...\"" << true;
        QTest::newRow("a line too many") << "text" << 60 << "Group: 3\n=>Group: 3\nGroup: 3\n" << "found 7 lines" << true;
        QTest::newRow("not utf-8") << "text" << 60 << "Card 60\n=>Card <FF>\n" << "not UTF-8 text" << false;
        QTest::newRow("crlf line ends") << "text" << 60 << "\n=>\r\n" << "" << true;
    }
    void faultsAreNamed()
    {
        QFETCH(QString, fault);
        QFETCH(int, id);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QFETCH(bool, namesCard);

        QTemporaryDir dir;
        auto cards = card_fixture::fullDeck();
        carddb::CardSource* card = findCard(cards, id);
        QVERIFY(card);
        const int group = card->group;
        if (fault == QLatin1String("Name"))
            card->name = value;
        else if (fault == QLatin1String("Group"))
            card->group = value.toInt();
        else if (fault == QLatin1String("ID"))
            card->id = value.toInt();
        else if (fault == QLatin1String("Keywords"))
            card->keywords = value.split(QLatin1Char('|'));
        else if (fault == QLatin1String("Upright"))
            card->upright = value;
        else if (fault == QLatin1String("Reversed"))
            card->reversed = value;
        else if (fault == QLatin1String("drop"))
            cards.erase(cards.begin() + (card - cards.data()));
        else if (const auto size = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(value); size.hasMatch())
            card->picture = card_fixture::jpegPicture(id, QSize(size.captured(1).toInt(), size.captured(2).toInt()));
        else if (value == QLatin1String("truncated"))
            card->picture.chop(card->picture.size() / 2);
        else if (value == QLatin1String("text"))
            card->picture = "a picture of a card";
        else if (value == QLatin1String("empty"))
            card->picture.clear();
        card_fixture::writeSources(dir.path(), cards);

        const int fileGroup = fault == QLatin1String("Group") ? value.toInt() : group; // where the writer put it
        const QString cardFile = dir.filePath(QStringLiteral("cards/%1-group.txt").arg(fileGroup, 2, 10, QLatin1Char('0')));
        if (value == QLatin1String("missing"))
            QVERIFY(QFile::remove(pictureFile(dir.path(), id)));
        if (fault == QLatin1String("text")) {
            // Edit the source text inside this card's block: "from=>to".
            QByteArray text = readFile(cardFile);
            const QByteArray head = QStringLiteral("ID: %1\n").arg(id).toUtf8();
            const qsizetype start = text.indexOf(head);
            const qsizetype end = text.indexOf("\n\n", start);
            QVERIFY(start >= 0);
            QByteArray block = text.mid(start, end < 0 ? -1 : end + 1 - start);
            const QList<QByteArray> parts = value.toLatin1().split('=');
            const QByteArray from = parts.at(0);
            const QByteArray to = parts.at(1).mid(1).replace("<FF>", "\xff");
            if (from == "\n")
                block.replace(from, to);
            else
                block.replace(block.indexOf(from), from.size(), to);
            text.replace(start, end < 0 ? text.size() - start : end + 1 - start, block);
            writeFile(cardFile, text);
        }

        const auto sources = carddb::loadCardSources(dir.filePath(QStringLiteral("cards")), dir.filePath(QStringLiteral("pictures")));
        const QString all = sources.problems.join(QLatin1Char('\n')) + QLatin1Char(' ');
        if (expected.isEmpty()) {
            QVERIFY2(sources.problems.isEmpty(), qPrintable(all));
            return;
        }
        QVERIFY2(all.contains(expected), qPrintable(all));
        if (!namesCard)
            return;
        // A problem with one card names its file and line and the card.
        const int named = fault == QLatin1String("ID") ? value.toInt() : id;
        for (const QString& problem : sources.problems) {
            if (!problem.contains(expected))
                continue;
            QVERIFY2(problem.startsWith(cardFile + QLatin1Char(':')), qPrintable(problem));
            QVERIFY2(problem.contains(QRegularExpression(QStringLiteral(": card %1\\b").arg(named))), qPrintable(problem));
        }
    }

    void folderProblems_data()
    {
        QTest::addColumn<bool>("cardsThere");
        QTest::addColumn<bool>("picturesThere");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no card texts") << false << true << "the card source folder does not exist";
        QTest::newRow("no pictures") << true << false << "the picture folder does not exist";
    }
    void folderProblems()
    {
        QFETCH(bool, cardsThere);
        QFETCH(bool, picturesThere);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        card_fixture::writeSources(dir.path(), card_fixture::fullDeck());
        if (!cardsThere)
            QVERIFY(QDir(dir.filePath(QStringLiteral("cards"))).removeRecursively());
        if (!picturesThere)
            QVERIFY(QDir(dir.filePath(QStringLiteral("pictures"))).removeRecursively());
        const auto sources = carddb::loadCardSources(dir.filePath(QStringLiteral("cards")), dir.filePath(QStringLiteral("pictures")));
        QVERIFY(!sources.problems.isEmpty());
        QVERIFY2(sources.problems.first().contains(expected), qPrintable(sources.problems.first()));
        // One line says it; not one per card.
        QVERIFY2(sources.problems.size() <= 2, qPrintable(sources.problems.join(QLatin1Char('\n'))));
    }

    void commentsAndBlankLinesBetweenBlocks()
    {
        const QByteArray text = "# header\n# second line\n\n" + card_fixture::sourceBlock(card_fixture::validCard(1)).toUtf8() +
                                "\n\n# between\n" + card_fixture::sourceBlock(card_fixture::validCard(2)).toUtf8() + "\n";
        const auto parsed = carddb::parseCardText(text, QStringLiteral("major.txt"));
        QVERIFY2(parsed.problems.isEmpty(), qPrintable(parsed.problems.join(QLatin1Char('\n'))));
        QCOMPARE(static_cast<int>(parsed.cards.size()), 2);
        QCOMPARE(parsed.cards[1].id, 2);
        QCOMPARE(parsed.cards[1].line, 13);
    }

    void jpegHeaderGivesSize()
    {
        const JpegProbe probe = probeJpeg(card_fixture::jpegPicture(3, QSize(300, 520)));
        QVERIFY2(probe.ok, qPrintable(probe.problem));
        QCOMPARE(probe.width, 300);
        QCOMPARE(probe.height, 520);
    }

    void writtenDatabaseHoldsTheCards()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learn.dll"));
        const auto deck = card_fixture::fullDeck();
        QVERIFY(card_fixture::writeDatabase(path, deck));

        modDB db;
        QVERIFY2(db.OpenConnection(db.CardConnection, path), qPrintable(db.lastError()));
        Recordset keywords;
        QVERIFY(db.OpenRecordset(keywords, db.CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=41")));
        QStringList inOrder;
        for (bool more = keywords.MoveFirst(); more; more = keywords.MoveNext())
            inOrder << keywords.Field(QStringLiteral("Keyword")).toString();
        QCOMPARE(inOrder, deck[40].keywords);

        QVERIFY(db.OpenRecordset(db.CardRecordset, db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        QVERIFY(db.CardRecordset.Filter(QStringLiteral("ID=41")));
        QCOMPARE(db.CardRecordset.Field(QStringLiteral("PictureData")).toByteArray(), deck[40].picture);
        QCOMPARE(db.CardRecordset.Field(QStringLiteral("reversedmeaning")).toString(), deck[40].reversed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("learn.dll")});
        QVERIFY(QFileInfo(path).permissions().testFlag(QFileDevice::ReadOther));
    }

    // A failed build keeps the database that was there and leaves no temporary file.
    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learn.dll"));
        QVERIFY(card_fixture::writeDatabase(path, {card_fixture::validCard(1), card_fixture::validCard(2)}));
        const QByteArray before = readFile(path);

        auto twice = card_fixture::fullDeck();
        twice.push_back(card_fixture::validCard(5)); // the key is taken
        QString error;
        QVERIFY(!carddb::writeCardDatabase(path, twice, &error));
        QVERIFY2(error.contains(QLatin1String("card 5")), qPrintable(error));
        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("learn.dll")});

        QVERIFY(!carddb::writeCardDatabase(dir.filePath(QStringLiteral("no/such/folder/learn.dll")), twice, &error));
        QVERIFY(!error.isEmpty());
    }

    void newBuildReplacesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learn.dll"));
        QVERIFY(card_fixture::writeDatabase(path, {card_fixture::validCard(1), card_fixture::validCard(2)}));
        QVERIFY(card_fixture::writeDatabase(path, card_fixture::fullDeck()));
        modDB db;
        QVERIFY(db.OpenConnection(db.CardConnection, path));
        QVERIFY(db.OpenRecordset(db.CardRecordset, db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        QCOMPARE(db.CardRecordset.RecordCount(), carddb::CardCount);
    }
};

ORVANEL_TEST(TestCardSources)
#include "test_card_sources.moc"
