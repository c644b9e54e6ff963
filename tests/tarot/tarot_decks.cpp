#include "tarot_decks.h"

#include <QFile>
#include <QTest>

#include "card_fixture.h"
#include "courses/tarot/logic/modDB.h"
#include "platform/program_folder.h"

namespace tarot_decks {

QString besideProgram() { return platform::ProgramFile(QStringLiteral("learn.dll")); }

bool installBuiltDatabase()
{
    const QString built = QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll");
    QFile::remove(besideProgram());
    if (!QFile::copy(built, besideProgram())) {
        QTest::qFail("cannot copy the built learn.dll into the program folder", __FILE__, __LINE__);
        return false;
    }
    return true;
}

bool installDeck(const std::vector<carddb::CardSource>& cards)
{
    QFile::remove(besideProgram());
    return card_fixture::writeDatabase(besideProgram(), cards);
}

std::vector<carddb::CardSource> madeUpCards(int count)
{
    std::vector<carddb::CardSource> cards;
    for (int id = 1; id <= count; ++id)
        cards.push_back(card_fixture::validCard(id));
    return cards;
}

bool openCardSet(modDB& db, const QString& query)
{
    if (!db.OpenConnection(db.CardConnection, modDB::CardDatabasePath()) ||
        !db.OpenRecordset(db.CardRecordset, db.CardConnection, query)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot open the card set: ") + db.lastError()), __FILE__, __LINE__);
        return false;
    }
    return true;
}

} // namespace tarot_decks
