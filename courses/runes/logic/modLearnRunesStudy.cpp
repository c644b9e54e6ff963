// Study list and stored study settings of the runes course.
#include "courses/runes/logic/modLearnRunesStudy.h"

#include <QDir>

#include "platform/settings_store.h"

namespace modLearnRunes {

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

void StudyState::BuildStudyList(const std::array<bool, 3>& aettTicked)
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

} // namespace modLearnRunes
