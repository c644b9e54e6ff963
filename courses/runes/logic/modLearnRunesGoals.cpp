// Goal files of the runes course.
#include "courses/runes/logic/modLearnRunesGoals.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/plain_text.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace modLearnRunes {

namespace {

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
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
    QString text = platform::WithLineFeeds(boxText);
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
    if (m_loadedBytes && platform::WithLineFeeds(boxText) == platform::WithLineFeeds(m_loadedText))
        return platform::WriteWholeFile(path, *m_loadedBytes).written;
    return platform::WriteTextFile(path, GoalFileContent(boxText));
}

} // namespace modLearnRunes
