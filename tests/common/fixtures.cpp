#include "fixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

#include "platform/clock.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/web_browser.h"
#include "platform/settings_store.h"

TestEnvironment::TestEnvironment()
{
    // The program folder is bin/ inside the temporary folder, so that its ../share and the
    // XDG folders are the test's own and a copy of the program installed on the machine is
    // never seen.
    QDir(m_dir.path()).mkdir(QStringLiteral("bin"));
    m_folders.emplace_back("XDG_CONFIG_HOME", prefixFile(QStringLiteral("config")));
    m_folders.emplace_back("XDG_DATA_HOME", prefixFile(QStringLiteral("data")));
    m_folders.emplace_back("XDG_DATA_DIRS", prefixFile(QStringLiteral("system-data")));
    platform::setProgramFolder(programFolder());
    platform::setSettingsFile(settingsFile());
    platform::setInstanceLockPath(prefixFile(QStringLiteral("instance.lock")));
    platform::setFixedSeed(12345);
    platform::setFixedNow(QDateTime());
    platform::setScreenWidthForTests(1280);
    platform::resetProcessEnding();
    platform::setMsgBoxHandler([this](const QString& prompt, int style) {
        messages.push_back({prompt, style});
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return (style & 7) == platform::vbYesNo ? platform::vbYes : platform::vbOK;
    });
    platform::setWebPageOpener([this](const QString& address) { openedPages << address; });
    platform::setEndProcessHandler([this] { ++processEnds; });
}

TestEnvironment::~TestEnvironment()
{
    unloadAllWindows();
    platform::releaseInstanceLock();
    platform::setMsgBoxHandler({});
    platform::setWebPageOpener({});
    platform::setEndProcessHandler({});
    platform::resetProcessEnding();
    platform::setFixedNow(QDateTime());
    platform::setProgramFolder(QString());
    platform::setSettingsFile(QString());
}

QString TestEnvironment::programFolder() const { return prefixFile(QStringLiteral("bin")); }

QString TestEnvironment::prefixFile(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

QString TestEnvironment::userFolder() const { return platform::UserDataFolder(); }

void TestEnvironment::blockUserFolder(bool blocked)
{
    const QString inTheWay = prefixFile(QStringLiteral("in-the-way"));
    if (blocked) {
        QFile file(inTheWay);
        file.open(QIODevice::WriteOnly);
    }
    const QString prefix = blocked ? inTheWay : m_dir.path();
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(prefix).filePath(QStringLiteral("data"))));
    platform::setProgramFolder(QDir(prefix).filePath(QStringLiteral("bin")));
}

QString TestEnvironment::settingsFile() const { return prefixFile(QStringLiteral("settings.ini")); }

QStringList TestEnvironment::prompts() const
{
    QStringList list;
    for (const auto& m : messages)
        list << m.prompt;
    return list;
}

void TestEnvironment::unloadAllWindows()
{
    // Unload steps may open further windows (the main window opens the exit screen).
    for (int round = 0; round < 4 && !platform::Forms::loaded().empty(); ++round) {
        const auto windows = platform::Forms::loaded();
        for (platform::Form* f : windows)
            if (platform::Forms::isLoaded(f))
                platform::Forms::unload(f);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
