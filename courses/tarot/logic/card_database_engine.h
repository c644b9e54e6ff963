#pragma once
// The card database's engine: SQLite through Qt Sql. It lives in a module (orvanel-carddb)
// that the tarot course loads when it first opens the database, so the program starts
// without Qt Sql.
#include <QString>
#include <QStringList>
#include <vector>

#include "courses/tarot/logic/recordset.h"

struct CardDatabaseEngine {
    // Opens the file read-only as the named connection and checks that it holds the card
    // tables and their fields. On failure the connection is gone and problem says why, for
    // the user.
    bool (*open)(const QString& path, const QString& connection, QString& problem);
    // Closes the named connection and lets it go.
    void (*close)(const QString& connection);
    // Runs the query through the named connection and reads every row. On failure problem
    // holds the engine's text.
    bool (*query)(const QString& connection, const QString& sql, QStringList& names,
                  std::vector<Recordset::Row>& rows, QString& problem);
};

inline constexpr char CardDatabaseModule[] = "orvanel-carddb";
inline constexpr char CardDatabaseEntry[] = "orvanelCardDatabaseEngine";
using CardDatabaseEngineEntry = const CardDatabaseEngine* (*)();

// The engine from the module, loaded on first use; null when the module is missing.
const CardDatabaseEngine* cardDatabaseEngine();
