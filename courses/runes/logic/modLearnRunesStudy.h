#pragma once
// The study side of the runes course: the study list and the eight stored study settings.
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "platform/setting.h"

namespace modLearnRunes {

// The study list of the course window and where the study view stands in it.
struct StudyState {
    // Working table of the list builder: the rune number, or -1 for a rune whose aett is not ticked.
    std::array<int, 24> RuneFlags{};
    // Rune numbers of the study list in ascending order (8, 16 or 24 entries).
    std::vector<int> StudyList;
    // Index into StudyList of the rune the study view shows.
    int StudyPosition = 0;

    // Builds StudyList from the ticked aetts.
    void BuildStudyList(const std::array<bool, 3>& aettTicked);
};

// The eight boxes of the settings page.
struct StudySettings {
    std::array<bool, 3> groups{};   // chkGroups: the three aetts
    std::array<bool, 3> meanings{}; // chkMeanings: upright, reversed, merkstave
    std::array<bool, 2> objects{};  // chkObjects: keywords, also known as

    static StudySettings allTicked();
    bool operator==(const StudySettings&) const = default;
};

// The stored boxes: "StoneGroup" + i for chkGroups i (0..2), "StoneMeaning" + i for
// chkMeanings i (0..2), "StoneObject" + i for chkObjects i (0..1); "1" or "0", and a value
// ticks its box when it is the number 1 (anything else, text included, leaves it unticked).
const platform::Setting<bool>& StoneGroup(int index);
const platform::Setting<bool>& StoneMeaning(int index);
const platform::Setting<bool>& StoneObject(int index);

// The stored values, by name and text, in the order they are written:
// StoneGroup0, StoneMeaning0, StoneObject0, StoneGroup1, .. StoneMeaning2.
std::vector<std::pair<QString, QString>> StudySettingValues(const StudySettings& settings);
// Reads the stored choice; empty when none was ever saved ("StoneGroup0" empty).
std::optional<StudySettings> LoadStudySettings();
// Stores the eight values; false when the settings file could not be written.
bool SaveStudySettings(const StudySettings& settings);
// What the settings page tells the user when its values could not be stored.
QString StudySettingsNotSavedMessage();
// The message that refuses the choice, or an empty text when it can be saved.
QString StudySettingsProblem(const StudySettings& settings);

} // namespace modLearnRunes
