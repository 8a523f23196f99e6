#pragma once
// Sorting a range of a string array in place: a quicksort under binary or text
// comparison, ascending or descending. Elements are exchanged, never copied, so the
// strings themselves stay where they are.
#include "Text.h"

#include "lexmara/Automation.h"

#include <cstdint>
#include <span>

namespace lexmara {

enum class SortOrder { Ascending, Descending };

// The elements of a one-dimensional array whose first index is `lowerBound`.
struct StringElements {
    int32_t lowerBound = 0;
    std::span<LxBSTR> elements;
};

// Sorts `array` from index `lo` to `hi`, both inclusive; -1 stands for the array's
// own lower or upper bound and is replaced by it. Gives 4 and changes nothing for a
// range of fewer than two elements, else 0. A bound outside the array raises error 9
// before anything moves. Equal elements may end up in any order.
int16_t sortRange(StringElements array, int32_t& lo, int32_t& hi, strings::Compare mode, SortOrder order);

} // namespace lexmara
