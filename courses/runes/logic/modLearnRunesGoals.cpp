// Goal files of the runes course.
#include "courses/runes/logic/modLearnRunesGoals.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "platform/program_folder.h"
#include "platform/text_file.h"

namespace modLearnRunes {

namespace {

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Replaces the whole file at once, like every text file the program writes.
bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace

QString GoalFilePath(int goal) { return platform::UserDataFile(QStringLiteral("Goal%1.txt").arg(goal)); }

QString DefaultGoalLine(int goal) { return QStringLiteral("This is Goal %1.").arg(goal); }

void EnsureGoalFile(int goal)
{
    const QString path = GoalFilePath(goal);
    if (!QFileInfo::exists(path))
        platform::WriteTextFile(path, DefaultGoalLine(goal) + QLatin1String(platform::CrLf));
}

QString ReadGoalText(int goal)
{
    QStringList lines;
    if (!platform::ReadTextLines(GoalFilePath(goal), &lines))
        return {};
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String(platform::CrLf);
    return text;
}

QString GoalFileContent(const QString& boxText)
{
    QString text = withLineFeeds(boxText);
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' '))
        ++start;
    qsizetype end = text.size();
    while (end > start && (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QLatin1Char('\n')))
        --end;
    // Trailing line breaks go too, so that saving a loaded goal unchanged writes it unchanged.
    text = text.mid(start, end - start);
    text.replace(QLatin1Char('\n'), QLatin1String(platform::CrLf));
    return text + QLatin1String(platform::CrLf);
}

QString GoalFile::Load()
{
    EnsureGoalFile(m_goal);
    m_loadedBytes = readBytes(GoalFilePath(m_goal));
    m_loadedText = m_loadedBytes ? ReadGoalText(m_goal) : QString();
    return m_loadedText;
}

bool GoalFile::Save(const QString& boxText)
{
    const QString path = GoalFilePath(m_goal);
    if (m_loadedBytes && withLineFeeds(boxText) == withLineFeeds(m_loadedText))
        return writeBytes(path, *m_loadedBytes);
    return platform::WriteTextFile(path, GoalFileContent(boxText));
}

} // namespace modLearnRunes
