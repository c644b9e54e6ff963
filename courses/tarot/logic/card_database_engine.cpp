#include "courses/tarot/logic/card_database_engine.h"

#include "platform/modules.h"

const CardDatabaseEngine* cardDatabaseEngine()
{
    auto entry = reinterpret_cast<CardDatabaseEngineEntry>(platform::ModuleFunction(CardDatabaseModule, CardDatabaseEntry));
    return entry ? entry() : nullptr;
}
