// The card database module: the engine (card_database_engine.h) on Qt Sql's SQLite driver.
#include <QDir>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtGlobal>

#include "courses/tarot/logic/card_database_engine.h"

namespace {

struct RequiredTable {
    const char* name;
    QStringList fields;
};

const RequiredTable RequiredTables[] = {
    {"tblCards", {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Group"), QStringLiteral("normalmeaning"),
                  QStringLiteral("reversedmeaning"), QStringLiteral("PictureData")}},
    {"tblKeywords", {QStringLiteral("CardID"), QStringLiteral("Keyword")}},
};

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

// Empty when the open database holds every table and field the course reads.
QString missingTableOrField(const QSqlDatabase& db, const QString& path)
{
    QSqlQuery tables(db);
    QSet<QString> present;
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')")))
        return QStringLiteral("The card database is damaged or is not a card database:\n%1").arg(nativePath(path));
    while (tables.next())
        present.insert(tables.value(0).toString().toCaseFolded());
    for (const RequiredTable& table : RequiredTables) {
        const QString tableName = QString::fromLatin1(table.name);
        if (!present.contains(tableName.toCaseFolded()))
            return QStringLiteral("The card database has no table %1:\n%2").arg(tableName, nativePath(path));
        const QSqlRecord fields = db.record(tableName);
        for (const QString& field : table.fields)
            if (fields.indexOf(field) < 0)
                return QStringLiteral("The card database has no field %1 in table %2:\n%3").arg(field, tableName, nativePath(path));
    }
    return {};
}

bool openDatabase(const QString& path, const QString& connection, QString& problem)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(path);
        if (!db.open())
            problem = QStringLiteral("The card database cannot be opened:\n%1\n(%2)").arg(nativePath(path), db.lastError().text());
        else
            problem = missingTableOrField(db, path);
        if (problem.isEmpty())
            return true;
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return false;
}

void closeDatabase(const QString& connection)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool runQuery(const QString& connection, const QString& sql, QStringList& names, std::vector<Recordset::Row>& rows,
              QString& problem)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    if (query.exec(sql)) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
        while (query.next()) {
            Recordset::Row row;
            row.reserve(static_cast<std::size_t>(record.count()));
            for (int i = 0; i < record.count(); ++i)
                row.push_back(query.value(i));
            rows.push_back(std::move(row));
        }
    }
    // The engine may fail on the way through the rows as well as on the query itself.
    if (!query.lastError().isValid())
        return true;
    problem = query.lastError().text();
    return false;
}

const CardDatabaseEngine SqliteEngine = {openDatabase, closeDatabase, runQuery};

} // namespace

extern "C" Q_DECL_EXPORT const CardDatabaseEngine* orvanelCardDatabaseEngine() { return &SqliteEngine; }
