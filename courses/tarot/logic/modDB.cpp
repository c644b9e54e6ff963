#include "modDB.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUuid>

#include "courses/tarot/logic/card_database_engine.h"
#include "platform/program_folder.h"

namespace {

constexpr int KeywordsPerCard = 7;   // the memorizer lists seven; the hardest test asks seven
constexpr int MinimumCardSet = 6;    // the hardest description test draws six wrong cards
constexpr int WrongKeywordBoxes = 20; // the hardest keyword test fills twenty boxes

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

} // namespace

DbConnection::~DbConnection() { Close(); }

void DbConnection::Close()
{
    if (m_name.isEmpty())
        return;
    m_engine->close(m_name);
    m_engine = nullptr;
    m_name.clear();
    m_path.clear();
}

QString modDB::CardDatabasePath() { return platform::ProgramDataFile(QStringLiteral("learn.dll")); }

bool modDB::fail(const QString& text)
{
    m_lastError = text;
    return false;
}

QString modDB::checkDatabaseFile(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("The card database was not found:\n%1").arg(nativePath(path));
    if (!info.isFile())
        return QStringLiteral("The card database cannot be read; a folder stands in its place:\n%1").arg(nativePath(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The card database cannot be read:\n%1\n(%2)").arg(nativePath(path), file.errorString());
    if (file.size() == 0)
        return QStringLiteral("The card database is empty:\n%1").arg(nativePath(path));
    return {};
}

bool modDB::OpenConnection(DbConnection& connection, const QString& path)
{
    connection.Close();
    m_lastError.clear();
    if (const QString problem = checkDatabaseFile(path); !problem.isEmpty())
        return fail(problem);

    const CardDatabaseEngine* engine = cardDatabaseEngine();
    if (!engine)
        return fail(QStringLiteral("The card database cannot be opened:\n%1\n(%2)")
                        .arg(nativePath(path), QStringLiteral("the program's card database module is missing")));
    const QString name = QStringLiteral("learn-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (QString problem; !engine->open(path, name, problem))
        return fail(problem);
    connection.m_engine = engine;
    connection.m_name = name;
    connection.m_path = path;
    return true;
}

bool modDB::OpenRecordset(Recordset& recordset, const DbConnection& connection, const QString& sql)
{
    recordset.Close();
    m_lastError.clear();
    if (!connection.isOpen())
        return fail(QStringLiteral("The card database is not open."));

    QStringList names;
    std::vector<Recordset::Row> rows;
    QString problem;
    if (!connection.m_engine->query(connection.m_name, AdaptQuery(sql), names, rows, problem))
        return fail(QStringLiteral("The card database could not answer a query:\n%1\n(%2)").arg(sql, problem));
    recordset = Recordset(std::move(names), std::move(rows));
    return true;
}

QString modDB::AdaptQuery(const QString& sql)
{
    QString out;
    out.reserve(sql.size() + 8);
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql.at(i);
        // Quoted texts and names pass unchanged.
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            qsizetype end = sql.indexOf(close, i + 1);
            end = end < 0 ? n : end + 1;
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (!isWordChar(c)) {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && isWordChar(sql.at(end)))
            ++end;
        const QStringView word = QStringView(sql).mid(i, end - i);
        bool isColumn = word.compare(QLatin1String("Group"), Qt::CaseInsensitive) == 0;
        if (isColumn) {
            // GROUP BY is the clause, not the column.
            qsizetype next = end;
            while (next < n && sql.at(next).isSpace())
                ++next;
            isColumn = QStringView(sql).mid(next, 2).compare(QLatin1String("BY"), Qt::CaseInsensitive) != 0 ||
                       (next + 2 < n && isWordChar(sql.at(next + 2)));
        }
        if (isColumn)
            out += QLatin1Char('"') + word.toString() + QLatin1Char('"');
        else
            out += word;
        i = end;
    }
    return out;
}

QString modDB::CardSetProblem(const Recordset& cards, const DbConnection& connection)
{
    Recordset set = cards; // a copy, so the caller's position and filter stay as they are
    set.Filter(QString());
    if (set.RecordCount() == 0)
        return QStringLiteral("The card database holds none of the chosen cards.");
    if (set.RecordCount() < MinimumCardSet)
        return QStringLiteral("The chosen card set holds only %1 cards; the tests need at least %2.")
            .arg(set.RecordCount())
            .arg(MinimumCardSet);

    Recordset keywords;
    if (!OpenRecordset(keywords, connection, QStringLiteral("SELECT CardID, Keyword FROM tblKeywords")))
        return m_lastError;
    QHash<qlonglong, QSet<QString>> byCard;
    QSet<QString> all;
    for (bool more = keywords.MoveFirst(); more; more = keywords.MoveNext()) {
        const QString word = keywords.Field(QStringLiteral("Keyword")).toString();
        if (word.isEmpty())
            continue;
        byCard[keywords.Field(QStringLiteral("CardID")).toLongLong()].insert(word);
        all.insert(word);
    }
    for (bool more = set.MoveFirst(); more; more = set.MoveNext()) {
        const QSet<QString> own = byCard.value(set.Field(QStringLiteral("ID")).toLongLong());
        const QString name = set.Field(QStringLiteral("Name")).toString();
        if (own.size() < KeywordsPerCard)
            return QStringLiteral("The card \"%1\" has only %2 keywords in the card database; every card needs %3.")
                .arg(name)
                .arg(own.size())
                .arg(KeywordsPerCard);
        if (all.size() - own.size() < WrongKeywordBoxes)
            return QStringLiteral("The card database holds too few keywords of other cards to test the keywords of \"%1\".").arg(name);
    }
    return {};
}
