#pragma once
// Small questions about dynamic arrays that may be without bounds: is it sized, and does it
// hold a value. The tarot tests use them to keep drawn cards and keywords distinct.
#include <cstdint>

#include "courses/tarot/logic/array_helpers.h"

#include "courses/tarot/logic/modGoals.h"

namespace modGlobals {

bool IsDimensionedGoals(const DynamicArray<GoalRecord>& goals);
// True when some element equals value; false for an array without bounds.
bool IsInArrayLong(std::int32_t value, const DynamicArray<std::int32_t>& values);

} // namespace modGlobals
