#pragma once
// The eight stored study values in the order of their boxes on the settings page:
// chkGroups 0..2, chkMeanings 0..2, chkObjects 0..1.
#include <vector>

#include "courses/runes/logic/modLearnRunesStudy.h"

inline std::vector<const platform::Setting<bool>*> studySettingsInBoxOrder()
{
    using namespace modLearnRunes;
    return {&StoneGroup(0),   &StoneGroup(1),   &StoneGroup(2),  &StoneMeaning(0),
            &StoneMeaning(1), &StoneMeaning(2), &StoneObject(0), &StoneObject(1)};
}
