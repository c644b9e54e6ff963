#include "courses/tarot/logic/goal_list.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "courses/tarot/logic/goals_format.h"
#include "courses/tarot/logic/modGlobals.h"
#include "platform/program_folder.h"
#include "platform/whole_file.h"

namespace {

// "line 4" or "lines 4, 9".
QString lineList(const QList<int>& lines)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return (lines.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) + numbers.join(QStringLiteral(", "));
}

// The first of goals.txt.bak, goals.txt.bak2, goals.txt.bak3 ... that does not exist yet.
QString freeBackupPath(const QString& path)
{
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".bak") + QString::number(n);
    return candidate;
}

} // namespace

QString GoalList::filePath() { return platform::UserDataFile(QStringLiteral("goals.txt")); }

bool GoalList::fileExists() { return QFileInfo::exists(filePath()); }

QString GoalList::ReadGoalsFile()
{
    Goals.erase();
    m_copyBeforeWriting = false;
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_copyBeforeWriting = true;
        m_backupPath = freeBackupPath(path);
        return QStringLiteral("Your goals could not be read from %1 (%2).\rNo goals are shown. The file is not replaced "
                              "until a copy of it can be kept.")
            .arg(path, file.errorString());
    }
    QStringDecoder decode(QStringConverter::System);
    const QString text = decode(file.readAll());
    const modGoals::ParsedGoals parsed = modGoals::ParseGoals(text);
    Goals = parsed.goals;

    QStringList problems;
    if (decode.hasError())
        problems << QStringLiteral("Some characters in %1 could not be read in the system's encoding.").arg(path);
    if (!parsed.badLines.isEmpty())
        problems << QStringLiteral("Some goals in %1 could not be read and are not shown (%2).")
                        .arg(path, lineList(parsed.badLines));
    if (!parsed.clampedLines.isEmpty())
        problems << QStringLiteral("Some goals in %1 had dates outside 1980 to 2099 or a percentage outside 0 to 100; "
                                   "they now show the nearest date or percentage the page can show (%2).")
                        .arg(path, lineList(parsed.clampedLines));
    if (problems.isEmpty())
        return {};
    m_copyBeforeWriting = true;
    m_backupPath = freeBackupPath(path);
    problems << QStringLiteral("Before your goals are saved again, the file is copied to %1.").arg(m_backupPath);
    return problems.join(QLatin1Char('\r'));
}

QString GoalList::WriteGoalsFile()
{
    if (!modGlobals::IsDimensionedGoals(Goals))
        return {};
    return writeGoals(modGoals::FormatGoals(Goals));
}

QString GoalList::DeleteGoalsFromFile(const QList<int>& positions)
{
    if (!modGlobals::IsDimensionedGoals(Goals))
        return {};
    return writeGoals(modGoals::FormatGoals(Goals, positions));
}

void GoalList::AddGoal(const QString& name, const QDate& start, const QDate& end, const QString& description)
{
    GoalRecord goal;
    goal.Name = name;
    goal.StartDate = start;
    goal.EndDate = end;
    goal.Description = description;
    goal.Achieved = false;
    goal.Percentage = 0;
    Goals.append(goal);
}

void GoalList::UpdateGoal(int position, const QString& name, const QDate& start, const QDate& end,
                          const QString& description, int percentage)
{
    GoalRecord& goal = Goals[position];
    goal.Name = name;
    goal.StartDate = start;
    goal.EndDate = end;
    goal.Description = description;
    goal.Percentage = static_cast<std::int16_t>(std::clamp(percentage, 0, 100));
}

void GoalList::MarkAchieved(const QList<int>& positions)
{
    for (int position : positions)
        Goals[position].Achieved = true;
}

QString GoalList::writeGoals(const QString& text)
{
    const QString path = filePath();
    if (m_copyBeforeWriting && QFileInfo::exists(path)) {
        if (QFileInfo::exists(m_backupPath))
            m_backupPath = freeBackupPath(path);
        if (!QFile::copy(path, m_backupPath))
            return QStringLiteral("Your goals were not saved: %1 could not be read, and no copy of it could be kept "
                                  "as %2, so it was not replaced.")
                .arg(path, m_backupPath);
    }
    m_copyBeforeWriting = false;

    QStringEncoder encode(QStringConverter::System);
    const QByteArray bytes = encode(text);
    if (encode.hasError())
        return QStringLiteral("Your goals were not saved: some characters cannot be stored in %1 in the system's "
                              "encoding.")
            .arg(path);
    // The whole file is replaced at once: a failure leaves the old file as it was.
    if (const platform::WholeFileWrite write = platform::WriteWholeFile(path, bytes); !write)
        return QStringLiteral("Your goals could not be saved to %1 (%2).").arg(path, write.errorString);
    return {};
}
