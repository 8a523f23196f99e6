// The sort members, called through the vtable of an object created from the registry
// file.
#include "ComponentHarness.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace harness;

namespace {

using Integer = Outcome<int16_t>;

constexpr Error kError9{9};

class Sorting : public LexmaraTest {
protected:
    enum Member { Text, TextDescending, Binary, BinaryDescending };

    Integer sort(Member member, StringArray& array, int32_t* lo, int32_t* hi)
    {
        return call<int16_t>([&](int16_t* out) {
            switch (member) {
            case Text: return lexmara()->SortArrayText(array.ref(), lo, hi, out);
            case TextDescending: return lexmara()->SortArrayTextDescending(array.ref(), lo, hi, out);
            case Binary: return lexmara()->SortArrayBinary(array.ref(), lo, hi, out);
            default: return lexmara()->SortArrayBinaryDescending(array.ref(), lo, hi, out);
            }
        });
    }
};

// Under text comparison 'A' and 'a' are equal, so either order is right.
std::vector<std::string> caseBlind(std::vector<std::string> values)
{
    for (std::string& value : values)
        std::transform(value.begin(), value.end(), value.begin(), [](char c) { return c | 0x20; });
    return values;
}

TEST_F(Sorting, EachOrderAndComparison)
{
    const std::vector<std::string> input{"b", "A", "c", "a"};
    struct Case {
        Member member;
        std::vector<std::string> sorted;
    };
    const std::vector<Case> cases{
        {Text, {"a", "a", "b", "c"}},
        {TextDescending, {"c", "b", "a", "a"}},
        {Binary, {"A", "a", "b", "c"}},
        {BinaryDescending, {"c", "b", "a", "A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        StringArray array(library(), 0, input);
        int32_t lo = -1, hi = -1;
        EXPECT_EQ(sort(c.member, array, &lo, &hi), Integer(int16_t{0}));
        const bool text = c.member == Text || c.member == TextDescending;
        EXPECT_EQ(text ? caseBlind(array.values()) : array.values(), c.sorted);
        EXPECT_EQ(lo, 0) << "the bound given as -1 receives the array's own";
        EXPECT_EQ(hi, 3);
    }
}

TEST_F(Sorting, RangesAndBounds)
{
    struct Case {
        int32_t lowerBound;
        std::vector<std::string> input;
        int32_t lo, hi;
        Integer status;
        std::vector<std::string> after;
        int32_t loAfter, hiAfter;
    };
    const std::vector<Case> cases{
        {0, {"d", "c", "b", "a"}, 1, 2, Integer(int16_t{0}), {"d", "b", "c", "a"}, 1, 2},
        {0, {"b"}, -1, -1, Integer(int16_t{4}), {"b"}, 0, 0},
        {0, {"d", "c", "b", "a"}, 3, 3, Integer(int16_t{4}), {"d", "c", "b", "a"}, 3, 3},
        {0, {"d", "c", "b", "a"}, 3, 1, Integer(int16_t{4}), {"d", "c", "b", "a"}, 3, 1},
        {-3, {"d", "c", "b", "a"}, -1, -1, Integer(int16_t{0}), {"a", "b", "c", "d"}, -3, 0},
        {-3, {"d", "c", "b", "a"}, -3, -2, Integer(int16_t{0}), {"c", "d", "b", "a"}, -3, -2},
        {5, {"b", "a"}, -1, -1, Integer(int16_t{0}), {"a", "b"}, 5, 6},
        // A bound outside the array fails before anything moves.
        {0, {"d", "c", "b", "a"}, 1, 4, Integer(kError9), {"d", "c", "b", "a"}, 1, 4},
        {1, {"d", "c"}, 0, 2, Integer(kError9), {"d", "c"}, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lo) + ".." + std::to_string(c.hi) + " of an array from "
                     + std::to_string(c.lowerBound));
        StringArray array(library(), c.lowerBound, c.input);
        int32_t lo = c.lo, hi = c.hi;
        EXPECT_EQ(sort(Binary, array, &lo, &hi), c.status);
        EXPECT_EQ(array.values(), c.after);
        EXPECT_EQ(lo, c.loAfter);
        EXPECT_EQ(hi, c.hiAfter);
    }
}

TEST_F(Sorting, AnArrayWithoutDimensionsHasNothingToSort)
{
    LxSAFEARRAY* none = nullptr;
    int32_t lo = -1, hi = -1;
    EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->SortArrayText(&none, &lo, &hi, out); }),
              Integer(kError9));
    lo = 2;
    hi = 1;
    EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->SortArrayText(&none, &lo, &hi, out); }),
              Integer(int16_t{4}));
}

TEST_F(Sorting, LargeSortedReversedAndEqualInputs)
{
    constexpr int kCount = 50000;
    std::vector<std::string> ascending, descending, equal(kCount, "same");
    for (int i = 0; i < kCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%08d", i);
        ascending.emplace_back(name);
    }
    descending.assign(ascending.rbegin(), ascending.rend());
    for (const auto* input : {&ascending, &descending, &equal}) {
        StringArray array(library(), -kCount / 2, *input);
        int32_t lo = -1, hi = -1;
        ASSERT_EQ(sort(Binary, array, &lo, &hi), Integer(int16_t{0}));
        const std::vector<std::string> values = array.values();
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        EXPECT_EQ(values.size(), input->size());
    }
}

} // namespace
