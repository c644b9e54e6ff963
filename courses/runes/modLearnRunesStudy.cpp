// Study list, stored study settings and goal files of the runes course.
#include "courses/runes/modLearnRunesStudy.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "shell/settings_store.h"

namespace modLearnRunes {

std::array<int, 24> RuneFlags{};
std::vector<int> StudyList;
int StudyPosition = 0;

namespace {
constexpr int RunesPerAett = 8;

const QString GroupStem = QStringLiteral("StoneGroup");
const QString MeaningStem = QStringLiteral("StoneMeaning");
const QString ObjectStem = QStringLiteral("StoneObject");

QString valueName(const QString& stem, int index) { return stem + QString::number(index); }

QString storedText(bool ticked) { return ticked ? QStringLiteral("1") : QStringLiteral("0"); }

bool ticksBox(const QString& stored)
{
    bool isNumber = false;
    const double number = stored.trimmed().toDouble(&isNumber);
    return isNumber && number == 1.0;
}

bool anyTicked(const auto& boxes)
{
    for (bool ticked : boxes)
        if (ticked)
            return true;
    return false;
}
} // namespace

void BuildStudyList(const std::array<bool, 3>& aettTicked)
{
    for (int i = 0; i < int(RuneFlags.size()); ++i)
        RuneFlags[i] = aettTicked[i / RunesPerAett] ? i : -1;
    StudyList.clear();
    for (int rune : RuneFlags)
        if (rune != -1)
            StudyList.push_back(rune);
}

StudySettings StudySettings::allTicked()
{
    StudySettings s;
    s.groups.fill(true);
    s.meanings.fill(true);
    s.objects.fill(true);
    return s;
}

std::vector<std::pair<QString, QString>> StudySettingValues(const StudySettings& settings)
{
    std::vector<std::pair<QString, QString>> values;
    for (int i = 0; i < 3; ++i) {
        values.emplace_back(valueName(GroupStem, i), storedText(settings.groups[i]));
        values.emplace_back(valueName(MeaningStem, i), storedText(settings.meanings[i]));
        if (i < 2)
            values.emplace_back(valueName(ObjectStem, i), storedText(settings.objects[i]));
    }
    return values;
}

std::optional<StudySettings> LoadStudySettings()
{
    if (settings_store::GetSetting(valueName(GroupStem, 0)).isEmpty())
        return std::nullopt;
    StudySettings s;
    for (int i = 0; i < 3; ++i) {
        s.groups[i] = ticksBox(settings_store::GetSetting(valueName(GroupStem, i)));
        s.meanings[i] = ticksBox(settings_store::GetSetting(valueName(MeaningStem, i)));
        if (i < 2)
            s.objects[i] = ticksBox(settings_store::GetSetting(valueName(ObjectStem, i)));
    }
    return s;
}

void SaveStudySettings(const StudySettings& settings)
{
    settings_store::SaveSettings(StudySettingValues(settings));
}

QString StudySettingsProblem(const StudySettings& settings)
{
    if (!anyTicked(settings.groups))
        return QStringLiteral("Please Select A Stone Group");
    if (!anyTicked(settings.meanings) && !anyTicked(settings.objects))
        return QStringLiteral("Please Select A Stone Meaning");
    return {};
}

QString GoalFilePath(int goal) { return platform::ProgramFile(QStringLiteral("Goal%1.txt").arg(goal)); }

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
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
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

bool SaveGoal(int goal, const QString& boxText)
{
    return platform::WriteTextFile(GoalFilePath(goal), GoalFileContent(boxText));
}

} // namespace modLearnRunes
