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
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")), m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(m_dir.path()).filePath(QStringLiteral("config"))));
    platform::setProgramFolder(m_dir.path());
    platform::setSettingsFile(settingsFile());
    platform::setInstanceLockPath(QDir(m_dir.path()).filePath(QStringLiteral("instance.lock")));
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
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TestEnvironment::settingsFile() const { return QDir(m_dir.path()).filePath(QStringLiteral("settings.ini")); }

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
