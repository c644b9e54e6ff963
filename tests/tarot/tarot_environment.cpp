#include "tarot_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "platform/startup_entry.h"

TarotEnvironment::TarotEnvironment()
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")), m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(programFolder()).filePath(QStringLiteral("config"))));
    platform::setCommandLine({});
    QCoreApplication::setApplicationName(QStringLiteral("Orvanel"));
}

TarotEnvironment::~TarotEnvironment()
{
    // The windows go first, while the start-up folder is still the test's own.
    unloadAllWindows();
    platform::setCommandLine({});
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TarotEnvironment::startupEntry() const { return platform::AutostartFile(platform::ExecutableName()); }

bool TarotEnvironment::writeStartupEntry(const QByteArray& contents) const
{
    QDir().mkpath(platform::AutostartFolder());
    QFile file(startupEntry());
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
