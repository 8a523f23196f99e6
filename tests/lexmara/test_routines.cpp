// The library's shared text operations, variant conversions, object state and string
// buffer, checked directly.
#include "ObjectState.h"
#include "StringBuffer.h"
#include "Text.h"
#include "Variant.h"
#include "VbError.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>

using namespace lexmara;
using namespace lexmara::strings;

namespace {

// The error number that `operation` raises, or nothing.
std::optional<int> errorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const VbError& e) {
        return e.number();
    }
    return std::nullopt;
}

TEST(TextOperations, FindFromAndFindBack)
{
    EXPECT_EQ(findFrom(1, "abcabc", "bc"), 2);
    EXPECT_EQ(findFrom(3, "abcabc", "bc"), 5);
    EXPECT_EQ(findFrom(6, "abcabc", "bc"), 0); // would run past the end
    EXPECT_EQ(findFrom(7, "abcabc", ""), 0);   // past the end
    EXPECT_EQ(findFrom(4, "abcabc", ""), 4);   // an empty text is found at the start
    EXPECT_EQ(findFrom(1, "", ""), 0);
    EXPECT_EQ(findFrom(1, "aBC", "bc", Compare::Text), 2);
    EXPECT_EQ(findFrom(1, "aBC", "bc"), 0);
    EXPECT_EQ(errorOf([] { findFrom(0, "abc", "a"); }), 5);

    EXPECT_EQ(findBack("abcabc", "bc"), 5);
    EXPECT_EQ(findBack("abcabc", "bc", 5), 2);
    EXPECT_EQ(findBack("abcabc", "bc", 6), 5);
    EXPECT_EQ(findBack("abcabc", "", 4), 4);
    EXPECT_EQ(findBack("abc", "c", 4), 0);
    EXPECT_EQ(findBack("", "c", 3), 0);
    EXPECT_EQ(findBack("ABCabc", "BC", -1, Compare::Text), 5);
    EXPECT_EQ(errorOf([] { findBack("abc", "a", 0); }), 5);
    EXPECT_EQ(errorOf([] { findBack("abc", "a", -2); }), 5);
}

TEST(TextOperations, MidLeftRightNeverReachOutside)
{
    EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(mid("abcdef", 7, 1), "");
    EXPECT_EQ(mid("abcdef", 3), "cdef");
    EXPECT_EQ(mid("abc", 2, 0), "");
    EXPECT_EQ(left("abc", 5), "abc");
    EXPECT_EQ(right("abc", 2), "bc");
    EXPECT_EQ(right("abc", 9), "abc");
    EXPECT_EQ(errorOf([] { mid("abc", 0, 1); }), 5);
    EXPECT_EQ(errorOf([] { mid("abc", 2, -1); }), 5);
    EXPECT_EQ(errorOf([] { left("abc", -1); }), 5);
    EXPECT_EQ(errorOf([] { right("abc", -1); }), 5);
}

TEST(TextOperations, OverwriteKeepsTheLength)
{
    std::string target = "abcdef";
    overwrite(target, 5, 10, "XYZ");
    EXPECT_EQ(target, "abcdXY");
    overwrite(target, 1, 1, "QRS");
    EXPECT_EQ(target, "QbcdXY");
    EXPECT_EQ(errorOf([&] { overwrite(target, 7, 1, "x"); }), 5);
    EXPECT_EQ(errorOf([&] { overwrite(target, 0, 1, "x"); }), 5);
    EXPECT_EQ(target, "QbcdXY");
}

TEST(TextOperations, ReplaceScansWithoutOverlaps)
{
    EXPECT_EQ(replace("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(replace("aXbxc", "x", "-", Compare::Text), "a-b-c");
    EXPECT_EQ(replace("abc", "", "-"), "abc");
    EXPECT_EQ(replace("abc", "c", ""), "ab");
}

TEST(TextOperations, TextComparisonFoldsWindows1252Letters)
{
    EXPECT_EQ(compare("abc", "ABC", Compare::Text), 0);
    EXPECT_LT(compare("ABC", "abc", Compare::Binary), 0);
    EXPECT_EQ(compare("\xC9t\xC9", "\xE9t\xE9", Compare::Text), 0); // E acute
    EXPECT_EQ(compare("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", Compare::Text), 0);
    EXPECT_NE(compare("\xD7", "\xF7", Compare::Text), 0); // multiplication and division signs
    EXPECT_LT(compare("ab", "abc", Compare::Text), 0);
    EXPECT_GT(compare("b1", "A2", Compare::Text), 0);
}

TEST(TextOperations, IntegerLimits)
{
    EXPECT_EQ(toInteger(32767), 32767);
    EXPECT_EQ(errorOf([] { toInteger(32768); }), 6);
    EXPECT_EQ(errorOf([] { toLong(int64_t{1} << 31); }), 6);
    EXPECT_EQ(roundToLong(2.5), 2);
    EXPECT_EQ(roundToLong(3.5), 4);
    EXPECT_EQ(roundToInteger(-2.5), -2);
    EXPECT_EQ(errorOf([] { roundToInteger(32767.5); }), 6);
}

LxVARIANT number(double value)
{
    LxVARIANT variant{};
    variant.vt = LX_VT_R8;
    variant.dblVal = value;
    return variant;
}

TEST(VariantConversions, TextForms)
{
    EXPECT_EQ(variantText(number(1125899906842624.0)), "1.12589990684262E+15");
    EXPECT_EQ(variantText(number(0.5)), "0.5");
    EXPECT_EQ(variantText(number(1e-5)), "1E-05");
    EXPECT_EQ(variantText(number(-3)), "-3");
    LxVARIANT amount{};
    amount.vt = LX_VT_CY;
    amount.cyVal.scaled = -12500;
    EXPECT_EQ(variantText(amount), "-1.25");
    LxVARIANT truth{};
    truth.vt = LX_VT_BOOL;
    truth.boolVal = LX_TRUE;
    EXPECT_EQ(variantText(truth), "True");
    EXPECT_EQ(variantText(LxVARIANT{}), "");
    LxVARIANT missing{};
    missing.vt = LX_VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(errorOf([&] { variantText(missing); }), 13);
    EXPECT_EQ(errorOf([&] { variantLong(missing); }), 13);
}

TEST(VariantConversions, TextsReadAsNumbers)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"42", 42},  {"  -7 ", -7}, {"+1.5", 1.5},  {"1,000", 1000},    {"2E3", 2000}, {"1d2", 100},
        {".5", 0.5}, {"&HFF", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&o17", 15},  {"", {}},
        {"abc", {}}, {"1 2", {}},   {",1", {}},     {"1E", {}},         {"&H", {}},    {"&HG", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
    EXPECT_EQ(variantLong(number(-2.5)), -2);
    EXPECT_EQ(errorOf([] { variantLong(number(3e9)); }), 6);
}

TEST(ObjectState, CreatedAsTheClassSetsItUp)
{
    const LexmaraState state;
    EXPECT_EQ(state.ConcatBuffer, std::string(500000, '\0'));
    EXPECT_EQ(state.ProperCaseRules[0], std::vector<std::string>(2));
    EXPECT_EQ(state.ProperCaseRules[1], std::vector<std::string>(2));
    ASSERT_EQ(state.AsciiToEbcdicTable.size(), 512u);
    ASSERT_EQ(state.EbcdicToAsciiTable.size(), 512u);

    const auto code = [](const std::string& table, int c) { return std::stoi(table.substr(2 * c, 2), nullptr, 16); };
    // The EBCDIC-to-ASCII table gives every code once; ASCII-to-EBCDIC gives five
    // bytes twice, so exactly the ASCII codes 0F, 14, 15, 1C, 1E do not come back.
    std::array<int, 256> seen{};
    for (int c = 0; c < 256; ++c)
        ++seen[static_cast<size_t>(code(state.EbcdicToAsciiTable, c))];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 256);
    std::vector<int> lost;
    for (int c = 0; c < 256; ++c)
        if (code(state.EbcdicToAsciiTable, code(state.AsciiToEbcdicTable, c)) != c)
            lost.push_back(c);
    EXPECT_EQ(lost, (std::vector<int>{0x0F, 0x14, 0x15, 0x1C, 0x1E}));
}

TEST(StringBufferGrowth, CapacityRuleAtItsBoundaries)
{
    StringBuffer buffer;
    buffer.concat(std::string(4096, 'a'));
    EXPECT_EQ(buffer.capacity(), 4096);
    buffer.concat("b");
    EXPECT_EQ(buffer.capacity(), 16384);
    EXPECT_EQ(buffer.value(), std::string(4096, 'a') + "b");
    buffer.concat(""); // a full buffer takes an empty piece
    EXPECT_EQ(buffer.length(), 4097);

    StringBuffer single;
    single.concat(std::string(20000, 'x')); // 16384 is not greater than 20000
    EXPECT_EQ(single.capacity(), 65536);
    StringBuffer exact;
    exact.concat(std::string(16384, 'x')); // 16384 is not greater than 16384 either
    EXPECT_EQ(exact.capacity(), 65536);

    StringBuffer written;
    written.setValue(std::string(5000, 'w'));
    EXPECT_EQ(written.capacity(), 16384);
    written.setValue("short");
    EXPECT_EQ(written.value(), "short");
    written.reset();
    EXPECT_EQ(written.capacity(), 4096);
    EXPECT_EQ(written.value(), "");

    StringBuffer full;
    full.concat(std::string(4096, 'f'));
    full.concat("");
    EXPECT_EQ(full.capacity(), 4096);
}

TEST(StringBufferGrowth, OverflowKeepsTheText)
{
    StringBuffer buffer(65536);
    buffer.concat(std::string(16000, 'a'));
    EXPECT_EQ(errorOf([&] { buffer.concat(std::string(60000, 'b')); }), 6); // would grow to 262144
    EXPECT_EQ(buffer.value(), std::string(16000, 'a'));
    EXPECT_EQ(buffer.capacity(), 16384);
    EXPECT_EQ(errorOf([&] { buffer.setValue(std::string(70000, 'c')); }), 6);
    EXPECT_EQ(buffer.value(), std::string(16000, 'a'));
}

} // namespace
