#include "tarot_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "platform/startup_entry.h"

TarotEnvironment::TarotEnvironment()
{
    platform::setCommandLine({});
    QCoreApplication::setApplicationName(QStringLiteral("Orvanel"));
}

TarotEnvironment::~TarotEnvironment() { platform::setCommandLine({}); }

QString TarotEnvironment::startupEntry() const { return platform::AutostartFile(platform::ExecutableName()); }

bool TarotEnvironment::writeStartupEntry(const QByteArray& contents) const
{
    QDir().mkpath(platform::AutostartFolder());
    QFile file(startupEntry());
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
