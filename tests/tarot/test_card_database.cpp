// The card database access: the course's queries over SQLite, record moves, the filter, field
// names in any case, and every kind of bad database file.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

#include "card_fixture.h"
#include "courses/tarot/logic/modDB.h"
#include "platform/modules.h"
#include "test_registry.h"

namespace {

// IDs of the cards in these groups, in ID order.
QList<int> idsOfGroups(const QList<int>& groups)
{
    QList<int> ids;
    for (int id = 1; id <= carddb::CardCount; ++id)
        if (groups.contains(carddb::groupOfCard(id)))
            ids << id;
    return ids;
}

QList<int> idsInOrder(Recordset& set)
{
    QList<int> ids;
    for (bool more = set.MoveFirst(); more; more = set.MoveNext())
        ids << set.Field(QStringLiteral("ID")).toInt();
    return ids;
}

// Where a set's records come from: a query of the card database, or rows in memory.
using Source = std::function<bool(modDB& db, Recordset& set)>;

Source query(const QString& sql)
{
    return [sql](modDB& db, Recordset& set) { return db.OpenRecordset(set, db.CardConnection, sql); };
}

Source inMemory(std::vector<Recordset::Row> rows)
{
    return [rows](modDB&, Recordset& set) {
        set = Recordset({QStringLiteral("ID"), QStringLiteral("Name")}, rows);
        return true;
    };
}

// Runs the moves ("F" first, "L" last, "N" next, "P" previous, "M<n>" move n) and returns the
// current ID, or "BOF"/"EOF".
QString afterMoves(Recordset& set, const QString& moves)
{
    for (const QString& step : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("F"))
            set.MoveFirst();
        else if (step == QLatin1String("L"))
            set.MoveLast();
        else if (step == QLatin1String("N"))
            set.MoveNext();
        else if (step == QLatin1String("P"))
            set.MovePrevious();
        else
            set.Move(step.mid(1).toInt());
    }
    if (set.Bof())
        return QStringLiteral("BOF");
    if (set.Eof())
        return QStringLiteral("EOF");
    return set.Field(QStringLiteral("ID")).toString();
}

void runSql(const QString& path, const QStringList& statements)
{
    const QString name = QStringLiteral("test-maker");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// While it lives, file permissions are checked for an ordinary user even when the tests run
// as the superuser (the file-system user id drops the override of read permissions).
class UnprivilegedFiles {
public:
#ifdef Q_OS_LINUX
    explicit UnprivilegedFiles(bool active) : m_active(active && geteuid() == 0)
    {
        if (m_active)
            setfsuid(65534);
    }
    ~UnprivilegedFiles()
    {
        if (m_active)
            setfsuid(0);
    }
#else
    explicit UnprivilegedFiles(bool) : m_active(false) {}
#endif
    UnprivilegedFiles(const UnprivilegedFiles&) = delete;
    UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;

private:
    bool m_active;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Source)

class TestCardDatabase : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("learn.dll"));
        QVERIFY(card_fixture::writeDatabase(m_path, card_fixture::fullDeck()));
    }

    void init()
    {
        QVERIFY2(m_db.OpenConnection(m_db.CardConnection, m_path), qPrintable(m_db.lastError()));
        QVERIFY(m_db.lastError().isEmpty());
    }

    // The card-set queries as the selection builds them.
    void cardSetQueries_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QList<int>>("groups");
        QTest::newRow("major arcana") << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID" << QList<int>{0};
        QTest::newRow("majors, cups and swords")
            << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=4) ORDER BY ID" << QList<int>{0, 1, 4};
        QTest::newRow("wands only") << "SELECT * FROM tblCards WHERE (Group=2) ORDER BY ID" << QList<int>{2};
        QTest::newRow("minor arcana") << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID"
                                      << QList<int>{1, 2, 3, 4};
        QTest::newRow("every card") << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID"
                                    << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("the report's card list") << "SELECT * FROM tblCards" << QList<int>{0, 1, 2, 3, 4};
    }
    void cardSetQueries()
    {
        QFETCH(QString, sql);
        QFETCH(QList<int>, groups);
        QVERIFY2(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, sql), qPrintable(m_db.lastError()));
        const QList<int> expected = idsOfGroups(groups);
        QCOMPARE(m_db.CardRecordset.RecordCount(), expected.size());
        // The first record is current as soon as the set opens.
        QCOMPARE(m_db.CardRecordset.Field(QStringLiteral("ID")).toInt(), expected.first());
        QCOMPARE(idsInOrder(m_db.CardRecordset), expected);
        for (bool more = m_db.CardRecordset.MoveFirst(); more; more = m_db.CardRecordset.MoveNext())
            QVERIFY(groups.contains(m_db.CardRecordset.Field(QStringLiteral("Group")).toInt()));
    }

    void keywordQueries_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("first major") << 1;
        QTest::newRow("ace of a suit") << 23;
        QTest::newRow("last card") << 78;
    }
    void keywordQueries()
    {
        QFETCH(int, id);
        Recordset own;
        QVERIFY(m_db.OpenRecordset(own, m_db.CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + QString::number(id)));
        QCOMPARE(own.RecordCount(), carddb::KeywordsPerCard);
        QStringList words;
        for (bool more = own.MoveFirst(); more; more = own.MoveNext()) {
            QCOMPARE(own.Field(QStringLiteral("CardID")).toInt(), id);
            words << own.Field(QStringLiteral("Keyword")).toString();
        }
        QCOMPARE(words, card_fixture::validCard(id).keywords); // in the order they were written

        Recordset others;
        QVERIFY(m_db.OpenRecordset(others, m_db.CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=") + QString::number(id)));
        QCOMPARE(others.RecordCount(), (carddb::CardCount - 1) * carddb::KeywordsPerCard);
        QSet<int> cards;
        for (bool more = others.MoveFirst(); more; more = others.MoveNext())
            cards.insert(others.Field(QStringLiteral("cardid")).toInt());
        QVERIFY(!cards.contains(id));
        QCOMPARE(cards.size(), carddb::CardCount - 1);
    }

    void moves_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("current");
        QTest::newRow("opened") << "" << "23";
        QTest::newRow("next twice") << "F N N" << "25";
        QTest::newRow("previous from the first") << "F P" << "BOF";
        QTest::newRow("next from before the first") << "F P N" << "23";
        QTest::newRow("move 0 after first") << "F M0" << "23";
        QTest::newRow("move 1 after first") << "F M1" << "24";
        QTest::newRow("move to the last") << "F M13" << "36";
        QTest::newRow("move one past the last") << "F M14" << "EOF";
        QTest::newRow("move far past the last") << "F M2147483647" << "EOF";
        QTest::newRow("move back") << "F M10 M-4" << "29";
        QTest::newRow("move far back") << "L M-2147483647" << "BOF";
        QTest::newRow("next from the last") << "L N" << "EOF";
        QTest::newRow("next at the end stays there") << "L N N N" << "EOF";
        QTest::newRow("previous from the end") << "L N N P" << "36";
        QTest::newRow("previous walks back") << "L P P" << "34";
    }
    void moves()
    {
        QFETCH(QString, moves);
        QFETCH(QString, current);
        QVERIFY(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards WHERE (Group=1) ORDER BY ID")));
        QCOMPARE(afterMoves(m_db.CardRecordset, moves), current);
        if (current == QLatin1String("BOF") || current == QLatin1String("EOF")) {
            QVERIFY(!m_db.CardRecordset.Field(QStringLiteral("Name")).isValid());
            QCOMPARE(m_db.CardRecordset.AbsolutePosition(), 0);
        } else {
            QCOMPARE(m_db.CardRecordset.AbsolutePosition(), current.toInt() - 22);
        }
        QCOMPARE(m_db.CardRecordset.RecordCount(), 14);
    }

    void filter_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<QString>("moves"); // before the filter
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("current");
        const Source all = query(QStringLiteral("SELECT * FROM tblCards"));
        const Source cups = query(QStringLiteral("SELECT * FROM tblCards WHERE (Group=1) ORDER BY ID"));
        QTest::newRow("a card not yet visited") << all << "F" << "ID=40" << 1 << "40";
        QTest::newRow("a card behind the current one") << all << "L" << "ID=3" << 1 << "3";
        QTest::newRow("filter from the end") << all << "L N" << "ID=78" << 1 << "78";
        QTest::newRow("field name in another case and blanks") << all << "F" << "id = 7" << 1 << "7";
        QTest::newRow("a card outside the set") << cups << "F" << "ID=5" << 0 << "BOF";
        QTest::newRow("a card inside the set") << cups << "F N N" << "ID=30" << 1 << "30";
        QTest::newRow("a text field") << all << "F" << "Name='Card 12'" << 1 << "12";
        QTest::newRow("a number in a group") << all << "F" << "Group=3" << 14 << "51";
        QTest::newRow("no card of that key") << all << "F" << "ID=99" << 0 << "BOF";
        QTest::newRow("removed again") << all << "F M20" << "" << 78 << "1";
        // An empty number field (a typed NULL, which converts to 0) is no 0.
        QTest::newRow("empty field is no 0")
            << Source(inMemory({{QVariant(QMetaType::fromType<int>()), QStringLiteral("empty")},
                                {QVariant(0), QStringLiteral("zero")}}))
            << "F" << "ID=0" << 1 << "0";
    }
    void filter()
    {
        QFETCH(Source, source);
        QFETCH(QString, moves);
        QFETCH(QString, filter);
        QFETCH(int, count);
        QFETCH(QString, current);
        Recordset& set = m_db.CardRecordset;
        QVERIFY(source(m_db, set));
        afterMoves(set, moves);
        QVERIFY(set.Filter(filter));
        QCOMPARE(set.RecordCount(), count);
        QCOMPARE(afterMoves(set, QString()), current);
        if (count == 0)
            QVERIFY(set.Bof() && set.Eof());
        // Removing the filter brings back the whole set with its first record current.
        const int whole = set.RecordCount();
        QVERIFY(set.Filter(QString()));
        QVERIFY(set.RecordCount() >= whole);
        QCOMPARE(set.AbsolutePosition(), 1);
        QVERIFY(set.filterText().isEmpty());
    }

    void filterThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("another comparison") << "ID>5";
        QTest::newRow("unknown field") << "Colour=3";
        QTest::newRow("no value") << "ID=";
        QTest::newRow("two terms") << "ID=5 OR ID=6";
    }
    void filterThatCannotBeRead()
    {
        QFETCH(QString, filter);
        Recordset& set = m_db.CardRecordset;
        QVERIFY(m_db.OpenRecordset(set, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        QVERIFY(set.Filter(QStringLiteral("ID=9")));
        QVERIFY(!set.Filter(filter));
        // The set stays as it was.
        QCOMPARE(set.RecordCount(), 1);
        QCOMPARE(set.Field(QStringLiteral("ID")).toInt(), 9);
        QCOMPARE(set.filterText(), QStringLiteral("ID=9"));
    }

    void fieldsByNameInAnyCase_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        const carddb::CardSource card = card_fixture::validCard(23);
        QTest::newRow("Id") << "Id" << QVariant(23);
        QTest::newRow("ID") << "ID" << QVariant(23);
        QTest::newRow("NAME") << "NAME" << QVariant(card.name);
        QTest::newRow("group") << "group" << QVariant(1);
        QTest::newRow("NormalMeaning") << "NormalMeaning" << QVariant(card.upright);
        QTest::newRow("REVERSEDMEANING") << "REVERSEDMEANING" << QVariant(card.reversed);
        QTest::newRow("picturedata") << "picturedata" << QVariant(card.picture);
        QTest::newRow("unknown field") << "Colour" << QVariant();
    }
    void fieldsByNameInAnyCase()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        Recordset& set = m_db.CardRecordset;
        QVERIFY(m_db.OpenRecordset(set, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards WHERE (Group=1) ORDER BY ID")));
        const QVariant read = set.Field(field);
        QCOMPARE(read.isValid(), value.isValid());
        QCOMPARE(set.hasField(field), value.isValid());
        if (value.isValid())
            QCOMPARE(read.toString(), value.toString());
        if (value.typeId() == QMetaType::QByteArray)
            QCOMPARE(read.toByteArray(), value.toByteArray());
    }

    // Every way the file can be wrong: the open fails with a text that names the file, the
    // connection stays closed, and the file is neither created nor changed.
    void badFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing" << "was not found";
        QTest::newRow("a folder") << "folder" << "a folder stands in its place";
        QTest::newRow("unreadable") << "unreadable" << "cannot be read";
        QTest::newRow("empty") << "empty" << "is empty";
        QTest::newRow("text") << "text" << "damaged or is not a card database";
        QTest::newRow("cut short") << "truncated" << "damaged or is not a card database";
        QTest::newRow("no tables") << "no tables" << "has no table tblCards";
        QTest::newRow("no keyword table") << "no keywords" << "has no table tblKeywords";
        QTest::newRow("no picture field") << "no picture field" << "has no field PictureData in table tblCards";
        QTest::newRow("no keyword field") << "no keyword field" << "has no field Keyword in table tblKeywords";
        QTest::newRow("good file, no database module") << "no module" << "card database module is missing";
    }
    void badFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learn.dll"));
        const QString cards = QStringLiteral("CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT, \"Group\" INTEGER, "
                                             "normalmeaning TEXT, reversedmeaning TEXT, PictureData BLOB)");
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("learn.dll")));
        } else if (kind == QLatin1String("unreadable")) {
            QVERIFY(QFile::copy(m_path, path));
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                          QFileDevice::ReadOther | QFileDevice::ExeOther));
        } else if (kind == QLatin1String("empty")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("Standard Jet DB, or so it says. ").repeated(200));
        } else if (kind == QLatin1String("truncated")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(readFile(m_path).left(100));
        } else if (kind == QLatin1String("no tables")) {
            runSql(path, {QStringLiteral("CREATE TABLE notes (text TEXT)")});
        } else if (kind == QLatin1String("no keywords")) {
            runSql(path, {cards});
        } else if (kind == QLatin1String("no picture field")) {
            runSql(path, {QStringLiteral("CREATE TABLE tblCards (ID INTEGER, Name TEXT, \"Group\" INTEGER, normalmeaning TEXT, reversedmeaning TEXT)"),
                          QStringLiteral("CREATE TABLE tblKeywords (CardID INTEGER, Keyword TEXT)")});
        } else if (kind == QLatin1String("no module")) {
            QVERIFY(QFile::copy(m_path, path));
        } else if (kind == QLatin1String("no keyword field")) {
            runSql(path, {cards, QStringLiteral("CREATE TABLE tblKeywords (CardID INTEGER, Word TEXT)")});
        }
        const bool existed = QFileInfo::exists(path);
        const QByteArray before = QFileInfo(path).isFile() ? readFile(path) : QByteArray();

        QVERIFY(m_db.OpenConnection(m_db.CardConnection, m_path)); // a good one first: the bad open replaces it
        {
            // The superuser reads every file; look at it as another user would.
            const UnprivilegedFiles asOtherUser(kind == QLatin1String("unreadable"));
            // The program without its card database module: modules are looked for in vain.
            if (kind == QLatin1String("no module"))
                platform::setModuleFolder(dir.path());
            QVERIFY(!m_db.OpenConnection(m_db.CardConnection, path));
            platform::setModuleFolder(QStringLiteral(ORVANEL_BINARY_DIR));
        }
        QVERIFY2(m_db.lastError().contains(expected), qPrintable(m_db.lastError()));
        QVERIFY2(m_db.lastError().contains(QDir::toNativeSeparators(path)), qPrintable(m_db.lastError()));
        QVERIFY(!m_db.CardConnection.isOpen());
        QCOMPARE(QFileInfo::exists(path), existed);
        if (QFileInfo(path).isFile())
            QCOMPARE(readFile(path), before);

        // With no connection a query fails with its own text, and the set is closed and empty.
        QVERIFY(!m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        QVERIFY(m_db.lastError().contains(QLatin1String("not open")));
        QVERIFY(!m_db.CardRecordset.isOpen());
        QCOMPARE(m_db.CardRecordset.RecordCount(), 0);
        QVERIFY(m_db.CardRecordset.Bof() && m_db.CardRecordset.Eof());
    }

    void failingQueryClosesTheSet()
    {
        QVERIFY(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        const QString sql = QStringLiteral("SELECT * FROM tblCardz");
        QVERIFY(!m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, sql));
        QVERIFY2(m_db.lastError().contains(sql), qPrintable(m_db.lastError()));
        QCOMPARE(m_db.CardRecordset.RecordCount(), 0);
        QVERIFY(!m_db.CardRecordset.Field(QStringLiteral("ID")).isValid());
        QVERIFY(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
        QVERIFY(m_db.lastError().isEmpty());
    }

    void adaptQuery_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("adapted");
        QTest::newRow("card set") << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=3) ORDER BY ID"
                                  << "SELECT * FROM tblCards WHERE (\"Group\"=0) OR (\"Group\"=3) ORDER BY ID";
        QTest::newRow("other keywords") << "SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5"
                                        << "SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5";
        QTest::newRow("group by clause") << "SELECT Name FROM tblCards GROUP BY Name" << "SELECT Name FROM tblCards GROUP BY Name";
        QTest::newRow("column before BYTE") << "WHERE Group BYTES" << "WHERE \"Group\" BYTES";
        QTest::newRow("already quoted") << "WHERE \"Group\"=1 OR [Group]=2" << "WHERE \"Group\"=1 OR [Group]=2";
        QTest::newRow("inside a text") << "WHERE Name='Group=1'" << "WHERE Name='Group=1'";
        QTest::newRow("part of a longer name") << "WHERE Groups=1 OR MyGroup=2" << "WHERE Groups=1 OR MyGroup=2";
        QTest::newRow("with its table") << "WHERE tblCards.group=2" << "WHERE tblCards.\"group\"=2";
        QTest::newRow("unclosed text") << "WHERE Name='Group" << "WHERE Name='Group";
    }
    void adaptQuery()
    {
        QFETCH(QString, sql);
        QFETCH(QString, adapted);
        QCOMPARE(modDB::AdaptQuery(sql), adapted);
    }

    // The set must carry every run: enough cards, seven keywords each, enough other keywords.
    void cardSetProblem_data()
    {
        QTest::addColumn<int>("cardCount");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected"); // empty: no problem
        const QString all = QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) ORDER BY ID");
        QTest::newRow("whole deck") << 78 << "" << all << "";
        QTest::newRow("six keywords, card in the set") << 78 << "six keywords" << all << "\"Card 30\" has only 6 keywords";
        QTest::newRow("six keywords, card not in the set") << 78 << "six keywords" << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID" << "";
        QTest::newRow("a keyword twice") << 78 << "keyword twice" << all << "\"Card 30\" has only 6 keywords";
        QTest::newRow("an empty keyword") << 78 << "empty keyword" << all << "\"Card 30\" has only 6 keywords";
        QTest::newRow("no card chosen") << 78 << "" << "SELECT * FROM tblCards WHERE (Group=7) ORDER BY ID" << "none of the chosen cards";
        QTest::newRow("five cards") << 5 << "" << "SELECT * FROM tblCards" << "only 5 cards";
        QTest::newRow("six cards") << 6 << "" << "SELECT * FROM tblCards" << "";
        QTest::newRow("six cards sharing their keywords") << 6 << "same keywords" << "SELECT * FROM tblCards" << "too few keywords";
    }
    void cardSetProblem()
    {
        QFETCH(int, cardCount);
        QFETCH(QString, change);
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        std::vector<carddb::CardSource> cards;
        for (int id = 1; id <= cardCount; ++id)
            cards.push_back(card_fixture::validCard(id));
        if (change == QLatin1String("six keywords"))
            cards[29].keywords.removeLast();
        else if (change == QLatin1String("keyword twice"))
            cards[29].keywords.last() = cards[29].keywords.first();
        else if (change == QLatin1String("empty keyword"))
            cards[29].keywords.last() = QStringLiteral("");
        else if (change == QLatin1String("same keywords"))
            for (auto& card : cards)
                card.keywords = cards[0].keywords;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learn.dll"));
        QVERIFY(card_fixture::writeDatabase(path, cards));

        modDB db;
        QVERIFY(db.OpenConnection(db.CardConnection, path));
        QVERIFY(db.OpenRecordset(db.CardRecordset, db.CardConnection, sql));
        db.CardRecordset.Move(3);
        const int position = db.CardRecordset.AbsolutePosition();
        const QString problem = db.CardSetProblem(db.CardRecordset, db.CardConnection);
        if (expected.isEmpty())
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        else
            QVERIFY2(problem.contains(expected), qPrintable(problem));
        QCOMPARE(db.CardRecordset.AbsolutePosition(), position); // the caller's place is kept
    }

    // The records live in memory: they outlast the connection, and a new open replaces them.
    void recordsOutlastTheConnection()
    {
        QVERIFY(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards WHERE (Group=2) ORDER BY ID")));
        m_db.CardConnection.Close();
        QVERIFY(m_db.CardRecordset.Filter(QStringLiteral("ID=45")));
        QCOMPARE(m_db.CardRecordset.Field(QStringLiteral("Name")).toString(), QStringLiteral("Card 45"));
    }

    // The handles belong to the modDB object: nothing stays registered once it is gone, and
    // opening again does not pile up connections.
    void handlesLiveAndDieWithTheirOwner()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        {
            modDB db;
            for (int i = 0; i < 3; ++i)
                QVERIFY(db.OpenConnection(db.CardConnection, m_path));
            QVERIFY(db.OpenRecordset(db.CardRecordset, db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
            QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 1);
        }
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    void cleanup() { m_db.CardConnection.Close(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    modDB m_db;
};

ORVANEL_TEST(TestCardDatabase)
#include "test_card_database.moc"
