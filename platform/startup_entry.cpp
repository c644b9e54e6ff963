#include "platform/startup_entry.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"
#include "platform/xdg_folders.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace platform {
namespace {

constexpr char StartupSwitch[] = " /STARTUP";

void reportError(long code, const char* what)
{
    MsgBox(QStringLiteral("Error ") + QString::number(code) + QLatin1Char(' ') + QLatin1String(what)
               + QLatin1String(CrLf),
           vbOKOnly);
}

} // namespace

QString AutostartFolder() { return QDir(XdgConfigHome()).filePath(QStringLiteral("autostart")); }

QString AutostartFile(const QString& name) { return QDir(AutostartFolder()).filePath(name + QStringLiteral(".desktop")); }

QString DesktopExecValue(const QString& programPath)
{
    // Quoting rule: the argument in double quotes, with ", `, $ and \ escaped by a backslash;
    // a literal % is written %%.
    QString quoted = QStringLiteral("\"");
    for (QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted += QLatin1String(StartupSwitch);
    // The string escapes of every desktop-entry value come on top.
    QString value;
    for (QChar c : quoted) {
        switch (c.unicode()) {
        case '\\': value += QStringLiteral("\\\\"); break;
        case '\n': value += QStringLiteral("\\n"); break;
        case '\t': value += QStringLiteral("\\t"); break;
        case '\r': value += QStringLiteral("\\r"); break;
        default: value += c; break;
        }
    }
    return value;
}

QString StartupDesktopEntry(const QString& programPath)
{
    QString name = QGuiApplication::applicationDisplayName();
    if (name.isEmpty())
        name = QFileInfo(programPath).completeBaseName();
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Comment=Starts %1 at logon\n"
                          "Exec=%2\n"
                          "Terminal=false\n")
        .arg(name, DesktopExecValue(programPath));
}

#ifndef Q_OS_WIN

namespace {
// Creates the folder and its parents; 0, or the system's error number.
int makeFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(path));
    for (qsizetype i = 1; i <= folder.size(); ++i)
        if ((i == folder.size() || folder[i] == '/') && ::mkdir(folder.left(i).constData(), 0700) != 0
            && errno != EEXIST)
            return errno;
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}
} // namespace

bool IsRunAtStartup(const QString& name) { return QFileInfo::exists(AutostartFile(name)); }

void SetRunAtStartup(const QString& name, const QString& folder, bool enable)
{
    const QString file = AutostartFile(name);
    if (!enable) {
        QFile::remove(file);
        return;
    }
    if (const int error = makeFolder(AutostartFolder())) {
        reportError(error, "opening key");
        return;
    }
    const WholeFileWrite write = WriteWholeFile(file, StartupDesktopEntry(QDir(folder).filePath(name)).toUtf8());
    if (!write)
        reportError(write.systemError, "setting key");
}

#else

namespace {
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
}

bool IsRunAtStartup(const QString& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool present = RegQueryValueExW(key, reinterpret_cast<const wchar_t*>(name.utf16()), nullptr, nullptr,
                                          nullptr, nullptr)
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}

void SetRunAtStartup(const QString& name, const QString& folder, bool enable)
{
    HKEY key = nullptr;
    const LONG opened = RegCreateKeyExW(HKEY_CURRENT_USER, RunKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                        nullptr, &key, nullptr);
    if (opened != ERROR_SUCCESS) {
        reportError(opened, "opening key");
        return;
    }
    const auto* valueName = reinterpret_cast<const wchar_t*>(name.utf16());
    if (enable) {
        // "<folder>\<name>.exe" /STARTUP, as the user's Run key holds it.
        const QString data = QLatin1Char('"') + folder + QLatin1Char('\\') + name + QStringLiteral(".exe\"")
            + QLatin1String(StartupSwitch);
        const LONG set = RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.utf16()),
                                        DWORD((data.size() + 1) * sizeof(wchar_t)));
        if (set != ERROR_SUCCESS) {
            reportError(set, "setting key");
            RegCloseKey(key);
            return;
        }
    } else {
        RegDeleteValueW(key, valueName); // a missing value is no error worth telling
    }
    RegCloseKey(key);
}

#endif

} // namespace platform
