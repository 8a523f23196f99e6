#include "Sort.h"

#include "VbError.h"

#include <utility>

namespace lexmara {

using namespace strings;

namespace {

class RangeSorter {
public:
    RangeSorter(std::span<LxBSTR> elements, Compare mode, SortOrder order)
        : elements_(elements), mode_(mode), sign_(order == SortOrder::Ascending ? 1 : -1)
    {
    }

    // Sorts the elements from offset lo to hi. The smaller part of each split is
    // sorted by recursion and the larger one by the loop, so the depth stays below
    // log2 of the range whatever the data.
    void sort(int64_t lo, int64_t hi)
    {
        while (lo < hi) {
            const auto [j, i] = partition(lo, hi);
            if (j - lo < hi - i) {
                sort(lo, j);
                lo = i;
            } else {
                sort(i, hi);
                hi = j;
            }
        }
    }

private:
    bool before(std::string_view a, std::string_view b) const { return sign_ * compare(a, b, mode_) < 0; }
    std::string_view at(int64_t offset) const { return lxView(elements_[static_cast<size_t>(offset)]); }

    // Hoare's partition around the middle element: afterwards every element up to j
    // comes before or with every element from i on.
    std::pair<int64_t, int64_t> partition(int64_t lo, int64_t hi)
    {
        const std::string_view pivot = at(lo + (hi - lo) / 2); // exchanges keep the text where it is
        int64_t i = lo, j = hi;
        while (i <= j) {
            while (i < hi && before(at(i), pivot))
                ++i;
            while (j > lo && before(pivot, at(j)))
                --j;
            if (i <= j)
                std::swap(elements_[static_cast<size_t>(i++)], elements_[static_cast<size_t>(j--)]);
        }
        return {j, i};
    }

    std::span<LxBSTR> elements_;
    Compare mode_;
    int sign_;
};

} // namespace

int16_t sortRange(StringElements array, int32_t& lo, int32_t& hi, Compare mode, SortOrder order)
{
    const int64_t lowerBound = array.lowerBound;
    const int64_t upperBound = lowerBound + static_cast<int64_t>(array.elements.size()) - 1;
    if (lo == -1)
        lo = static_cast<int32_t>(lowerBound);
    if (hi == -1)
        hi = toLong(upperBound);
    if (lo >= hi)
        return 4;
    if (lo < lowerBound || hi > upperBound)
        raise(kSubscriptOutOfRange);
    RangeSorter(array.elements, mode, order).sort(lo - lowerBound, hi - lowerBound);
    return 0;
}

} // namespace lexmara
