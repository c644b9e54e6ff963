#include "card_database_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>
#include <filesystem>
#include <system_error>

namespace carddb {

namespace {

const char* const Schema[] = {
    "CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT NOT NULL, \"Group\" INTEGER NOT NULL, "
    "normalmeaning TEXT NOT NULL, reversedmeaning TEXT NOT NULL, PictureData BLOB)",
    "CREATE TABLE tblKeywords (CardID INTEGER NOT NULL REFERENCES tblCards(ID), Keyword TEXT NOT NULL)",
    "CREATE INDEX idxKeywordsCard ON tblKeywords (CardID)",
};

QString failure(const QString& step, const QSqlError& sqlError)
{
    return QStringLiteral("%1: %2").arg(step, sqlError.text());
}

// Fills the open database in one transaction; returns an empty text or the reason it failed.
QString fill(QSqlDatabase& db, const std::vector<CardSource>& cards)
{
    QSqlQuery query(db);
    if (!db.transaction())
        return failure(QStringLiteral("cannot start writing"), db.lastError());
    for (const char* statement : Schema)
        if (!query.exec(QString::fromLatin1(statement)))
            return failure(QStringLiteral("cannot create the tables"), query.lastError());

    QSqlQuery card(db);
    card.prepare(QStringLiteral("INSERT INTO tblCards (ID, Name, \"Group\", normalmeaning, reversedmeaning, PictureData) "
                                "VALUES (?, ?, ?, ?, ?, ?)"));
    QSqlQuery keyword(db);
    keyword.prepare(QStringLiteral("INSERT INTO tblKeywords (CardID, Keyword) VALUES (?, ?)"));
    for (const CardSource& c : cards) {
        card.addBindValue(c.id);
        card.addBindValue(c.name);
        card.addBindValue(c.group);
        card.addBindValue(c.upright);
        card.addBindValue(c.reversed);
        card.addBindValue(c.picture.isNull() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(c.picture));
        if (!card.exec())
            return failure(QStringLiteral("cannot write card %1").arg(c.id), card.lastError());
        for (const QString& word : c.keywords) {
            keyword.addBindValue(c.id);
            keyword.addBindValue(word);
            if (!keyword.exec())
                return failure(QStringLiteral("cannot write the keywords of card %1").arg(c.id), keyword.lastError());
        }
    }
    if (!db.commit())
        return failure(QStringLiteral("cannot finish writing"), db.lastError());
    return {};
}

} // namespace

bool writeCardDatabase(const QString& path, const std::vector<CardSource>& cards, QString* error)
{
    const QFileInfo target(path);
    // Reserve a unique name in the target folder, so the rename below stays on one file system.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(true);
    if (!temporary.open()) {
        *error = QStringLiteral("cannot create a temporary file beside %1: %2").arg(path, temporary.errorString());
        return false;
    }
    const QString temporaryPath = temporary.fileName();
    temporary.close();

    QString problem;
    const QString connection = QStringLiteral("carddb-writer-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temporaryPath);
        if (!db.open())
            problem = failure(QStringLiteral("cannot open %1").arg(temporaryPath), db.lastError());
        else
            problem = fill(db, cards);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }

    // A temporary file is private to its owner; the database is for everyone to read.
    QFile::setPermissions(temporaryPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(temporaryPath.toStdU16String()), std::filesystem::path(path.toStdU16String()), code);
    if (code) {
        *error = QStringLiteral("cannot move the new database to %1: %2").arg(path, QString::fromStdString(code.message()));
        return false;
    }
    temporary.setAutoRemove(false); // the file now lives on under its real name
    return true;
}

} // namespace carddb
