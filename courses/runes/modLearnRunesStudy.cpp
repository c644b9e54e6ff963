// Study list, stored study settings and goal files of the runes course.
#include "courses/runes/modLearnRunesStudy.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"

namespace modLearnRunes {

std::array<int, 24> RuneFlags{};
std::vector<int> StudyList;
int StudyPosition = 0;

namespace {
constexpr int RunesPerAett = 8;

// The stored boxes of one kind: the stem followed by the box index as one decimal digit.
std::vector<platform::Setting<bool>> stoneSettings(const char* stem, int count)
{
    std::vector<platform::Setting<bool>> settings;
    for (int i = 0; i < count; ++i)
        settings.push_back(platform::TickSetting(QLatin1String(stem) + QString::number(i)));
    return settings;
}

bool ticksBox(const platform::Setting<bool>& setting) { return setting.valueOr(false); }

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

const platform::Setting<bool>& StoneGroup(int index)
{
    static const auto settings = stoneSettings("StoneGroup", 3);
    return settings.at(std::size_t(index));
}

const platform::Setting<bool>& StoneMeaning(int index)
{
    static const auto settings = stoneSettings("StoneMeaning", 3);
    return settings.at(std::size_t(index));
}

const platform::Setting<bool>& StoneObject(int index)
{
    static const auto settings = stoneSettings("StoneObject", 2);
    return settings.at(std::size_t(index));
}

std::vector<std::pair<QString, QString>> StudySettingValues(const StudySettings& settings)
{
    std::vector<std::pair<QString, QString>> values;
    for (int i = 0; i < 3; ++i) {
        values.push_back(StoneGroup(i).entry(settings.groups[i]));
        values.push_back(StoneMeaning(i).entry(settings.meanings[i]));
        if (i < 2)
            values.push_back(StoneObject(i).entry(settings.objects[i]));
    }
    return values;
}

std::optional<StudySettings> LoadStudySettings()
{
    if (StoneGroup(0).text().isEmpty())
        return std::nullopt;
    StudySettings s;
    for (int i = 0; i < 3; ++i) {
        s.groups[i] = ticksBox(StoneGroup(i));
        s.meanings[i] = ticksBox(StoneMeaning(i));
        if (i < 2)
            s.objects[i] = ticksBox(StoneObject(i));
    }
    return s;
}

bool SaveStudySettings(const StudySettings& settings) { return platform::SaveSettings(StudySettingValues(settings)); }

QString StudySettingsNotSavedMessage()
{
    return QStringLiteral("Your settings could not be saved as the default. Please check that this file can be "
                          "written to:\r") +
           QDir::toNativeSeparators(platform::SettingsFile());
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
