#include "platform/modules.h"

#include <QDir>
#include <QHash>
#include <QLibrary>
#include <QLoggingCategory>
#include <memory>

#include "platform/program_folder.h"

#ifndef ORVANEL_MODULE_DIR
#define ORVANEL_MODULE_DIR "../lib/orvanel"
#endif

namespace platform {
namespace {

Q_LOGGING_CATEGORY(modulesLog, "orvanel.modules")

// The modules loaded so far, kept loaded for the life of the program.
QHash<QString, std::shared_ptr<QLibrary>>& loaded()
{
    static QHash<QString, std::shared_ptr<QLibrary>> modules;
    return modules;
}

std::shared_ptr<QLibrary> load(const QString& name)
{
    const QDir program(ProgramFolder());
    for (const QString& folder : {program.path(), program.filePath(QStringLiteral(ORVANEL_MODULE_DIR))}) {
        auto library = std::make_shared<QLibrary>(QDir(folder).filePath(name));
        if (library->load())
            return library;
        qCDebug(modulesLog) << library->errorString();
    }
    return nullptr;
}

} // namespace

QFunctionPointer ModuleFunction(const char* module, const char* function)
{
    const QString name = QString::fromLatin1(module);
    auto found = loaded().constFind(name);
    if (found == loaded().constEnd()) {
        // A module not found is looked for again next time: it may have been installed since.
        std::shared_ptr<QLibrary> library = load(name);
        if (!library)
            return nullptr;
        found = loaded().insert(name, std::move(library));
    }
    QFunctionPointer entry = (*found)->resolve(function);
    if (!entry)
        qCDebug(modulesLog) << (*found)->errorString();
    return entry;
}

} // namespace platform
