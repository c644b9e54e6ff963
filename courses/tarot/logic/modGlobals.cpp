#include "courses/tarot/logic/modGlobals.h"

#include <algorithm>

namespace modGlobals {
namespace {
template <typename T>
bool holds(const T& value, const DynamicArray<T>& values)
{
    return values.hasBounds() && std::find(values.begin(), values.end(), value) != values.end();
}
} // namespace

bool IsDimensionedGoals(const DynamicArray<GoalRecord>& goals) { return goals.tryUpperBound().has_value(); }

bool IsInArrayLong(std::int32_t value, const DynamicArray<std::int32_t>& values) { return holds(value, values); }

} // namespace modGlobals
