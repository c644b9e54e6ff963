#pragma once
// The tarot course's access to the card database learn.dll (SQLite): the connection, the card
// set being studied or tested, and the queries the course sends, adapted to SQLite.
//
// The window owns one modDB; the database handles live and die with it. Failures come back as
// a false result with a text for the user in lastError():
// - a missing file, a folder in its place, a file that cannot be read, an empty (0 byte) file,
//   a file that is not an SQLite database, a database without tblCards or tblKeywords or
//   without one of their fields: OpenConnection fails and the connection stays closed;
// - a query that fails, or no open connection: OpenRecordset fails and the recordset stays
//   closed and empty;
// - a card set the course cannot run on (no cards, fewer than six, a card with fewer than
//   seven keywords, too few keywords of other cards to fill a keyword question):
//   CardSetProblem names it before a run starts;
// - a picture that will not load: the picture loader shows none (modImageDB).
// The file is opened read-only; opening never creates or changes it.
#include <QString>

#include "courses/tarot/logic/recordset.h"

struct CardDatabaseEngine;

// An open read-only connection to one card database file, or none.
class DbConnection {
public:
    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    bool isOpen() const { return !m_name.isEmpty(); }
    QString path() const { return m_path; }
    void Close();

private:
    friend class modDB;
    QString m_name; // the Qt SQL connection name, unique to this object while open
    QString m_path;
    const CardDatabaseEngine* m_engine = nullptr; // the engine that opened it
};

class modDB {
public:
    // The card set of the current study or test run, and the connection it came from.
    DbConnection CardConnection;
    Recordset CardRecordset;

    // Opens the database file at path, replacing what the connection held. On failure the
    // connection is closed and lastError() says why.
    bool OpenConnection(DbConnection& connection, const QString& path);
    // Runs the query through the connection and reads every row, replacing what the recordset
    // held; its first record is then current. On failure the recordset is closed and empty.
    bool OpenRecordset(Recordset& recordset, const DbConnection& connection, const QString& sql);

    // Empty when every study and test run can be built on this card set; otherwise a text for
    // the user naming the first problem found.
    QString CardSetProblem(const Recordset& cards, const DbConnection& connection);

    // The text of the last failure; empty after a success.
    QString lastError() const { return m_lastError; }

    // learn.dll in the program folder.
    static QString CardDatabasePath();
    // The course's query text as SQLite takes it: a bare Group column name is quoted.
    static QString AdaptQuery(const QString& sql);

private:
    bool fail(const QString& text);
    QString checkDatabaseFile(const QString& path) const;

    QString m_lastError;
};
