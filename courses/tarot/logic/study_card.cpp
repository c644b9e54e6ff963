#include "courses/tarot/logic/study_card.h"

#include "courses/tarot/logic/modDB.h"

namespace tarot {

bool ReadStudyCard(modDB& db, const Recordset& cards, StudyCard& card, QString& problem)
{
    if (cards.Bof() || cards.Eof()) {
        problem = QStringLiteral("There is no card to show.");
        return false;
    }
    card.Name = cards.Field(QStringLiteral("Name")).toString();
    card.NormalMeaning = cards.Field(QStringLiteral("normalmeaning")).toString();
    card.ReversedMeaning = cards.Field(QStringLiteral("reversedmeaning")).toString();
    card.Keywords.clear();

    Recordset keywords;
    const QString id = cards.Field(QStringLiteral("ID")).toString();
    if (!db.OpenRecordset(keywords, db.CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + id)) {
        problem = db.lastError();
        return false;
    }
    // A card with fewer keyword records lists the ones it has.
    int listed = 0;
    for (bool more = keywords.MoveFirst(); more && listed < StudyKeywords; more = keywords.MoveNext(), ++listed)
        card.Keywords += keywords.Field(QStringLiteral("Keyword")).toString() + QStringLiteral(", ");
    return true;
}

} // namespace tarot
