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

QString& moduleFolder()
{
    static QString folder;
    return folder;
}

std::shared_ptr<QLibrary> load(const QString& name)
{
    const QDir program(ProgramFolder());
    const QStringList folders = moduleFolder().isEmpty()
                                    ? QStringList{program.path(), program.filePath(QStringLiteral(ORVANEL_MODULE_DIR))}
                                    : QStringList{moduleFolder()};
    for (const QString& folder : folders) {
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

void setModuleFolder(const QString& folder)
{
    moduleFolder() = folder;
    // Modules are looked up afresh (a library once loaded stays in memory all the same).
    loaded().clear();
}

} // namespace platform
