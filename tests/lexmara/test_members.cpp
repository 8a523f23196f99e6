// The members of the delimited, strip and search families, called through the vtable
// of an object created from the registry file, one table per member.
#include "ComponentHarness.h"

#include <vector>

using namespace harness;

namespace {

using Text = Outcome<std::string>;
using Long = Outcome<int32_t>;

constexpr Error kError5{5};
constexpr Error kError6{6};
constexpr Error kError9{9};
constexpr Error kError13{13};

std::string repeated(char c, size_t count) { return std::string(count, c); }

class Members : public LexmaraTest {};

TEST_F(Members, GetDelimited)
{
    struct Case {
        std::string text;
        int32_t position;
        std::string delimiter;
        std::string field;
    };
    const std::vector<Case> cases{
        {"red,green,blue", 3, ",", "blue"},
        {"red,green,blue", 4, ",", ""},
        {"red,green,blue", 0, ",", ""},
        {"red,green,blue", -1, ",", ""},
        {"a,b,", 3, ",", ""},
        {"a,b,", 4, ",", ""},
        {"a,,b", 2, ",", ""},
        {"a,,b", 3, ",", "b"},
        {"", 1, ",", ""},
        {"abc", 1, "", ""},
        {"abc", 1, ",", "abc"},
        {"xabyabz", 1, "ab", "x"},
        {"xabyabz", 2, "ab", "by"},
        {"xabyabz", 3, "ab", "bz"},
        {"a\r\nb", 2, "\r\n", "\nb"},
        {"aaa", 2, "aa", ""}, // overlapping delimiters: fields '', '' and 'a'
        {"aaa", 3, "aa", "a"},
        {std::string("a\0b,c", 5), 1, ",", std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.position));
        BString text = this->text(c.text), delimiter = this->text(c.delimiter);
        int32_t position = c.position;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->GetDelimited(text.ref(), &position, delimiter.ref(), out);
                  }),
                  Text(c.field));
    }
}

TEST_F(Members, GetDelimitedExRewritesTheCallersText)
{
    struct Case {
        std::string text;
        int32_t position;
        std::string delimiter, quote;
        Text field;
        std::string textAfter;
    };
    const std::string quoted = "!red,blue! ,!green!,!grey!";
    const std::string separated = "!red,blue! |!green!|!grey!";
    const std::vector<Case> cases{
        {quoted, 3, ",", "!", Text("!grey!"), separated},
        {quoted, 1, ",", "!", Text("!red,blue! "), separated},
        {"a,b|c", 2, ",,", "!", Text("c"), "a,b|c"}, // a delimiter of two characters never matches
        {"a,b", 1, ",", "", Text(""), "a,b"},        // no quote: nothing rewritten
        {repeated('a', 32767), 1, ",", "!", Text(kError6), repeated('a', 32767)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        BString text = this->text(c.text), delimiter = this->text(c.delimiter), quote = this->text(c.quote);
        int32_t position = c.position;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->GetDelimitedEx(text.ref(), &position, delimiter.ref(), quote.ref(), out);
                  }),
                  c.field);
        EXPECT_EQ(text.str(), c.textAfter);
    }
}

TEST_F(Members, ItemCountCountsOverlappingOccurrences)
{
    struct Case {
        std::string text, item;
        int32_t count;
    };
    const std::vector<Case> cases{
        {"aaa", "aa", 2}, {"aaaa", "a", 4}, {"abab", "ab", 2}, {"abc", "", 0}, {"Abc", "a", 0}, {"", "a", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.item);
        BString text = this->text(c.text), item = this->text(c.item);
        EXPECT_EQ(call<int32_t>([&](int32_t* out) { return lexmara()->ItemCount(text.ref(), item.ref(), out); }),
                  Long(c.count));
    }
}

TEST_F(Members, Pluck)
{
    struct Case {
        std::string text, first, second;
        Text result;
    };
    const std::vector<Case> cases{
        {"XYZ[ABSDAE]24343", "[", "]", Text("ABSDAE")},
        {"[x]", "[", "]", Text("x")},
        {"abc", "[", "]", Text("")},
        {"", "[", "]", Text("")},
        {"x/ abc;", "/ ", ";", Text("abc;")}, // the length takes off the second delimiter's length
        {"|b|c", "|", "|", Text("b")},
        {"a]b[c", "[", "]", Text(kError5)}, // the second delimiter before the first
        {"a|b|c", "|", "|", Text(kError5)}, // the same delimiter, first not at position 1
        {repeated('x', 32767) + "[a]", "[", "]", Text(kError6)},
        {repeated('x', 32764) + "[a]", "[", "]", Text("a")}, // "]" at 32767
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        Variant text = variant(c.text), first = variant(c.first), second = variant(c.second);
        EXPECT_EQ(call<std::string>(
                      [&](LxBSTR* out) { return lexmara()->Pluck(text.get(), first.get(), second.get(), out); }),
                  c.result);
    }
}

TEST_F(Members, PluckReadsNumbersAsTheirText)
{
    Variant number = Variant::longValue(library(), 12345), first = variant("2"), second = variant("4");
    EXPECT_EQ(
        call<std::string>([&](LxBSTR* out) { return lexmara()->Pluck(number.get(), first.get(), second.get(), out); }),
        Text("3"));
}

TEST_F(Members, NumMatchesSkipsAMatchRightAfterTheLast)
{
    struct Case {
        std::string text, match;
        std::optional<std::string> compare; // nothing: the argument is omitted
        Long count;
    };
    const std::vector<Case> cases{
        {"aaaa", "a", std::nullopt, Long(2)}, {"ab ab", "ab", std::nullopt, Long(2)}, {"abab", "ab", "0", Long(1)},
        {"Abab", "ab", "1", Long(1)},         {"AbAb", "ab", "0", Long(0)},           {"AbAb", "ab", "1", Long(1)},
        {"Abab", "ab", "2", Long(kError5)},   {"Abab", "ab", "x", Long(kError13)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.compare.value_or("omitted"));
        BString text = this->text(c.text), match = this->text(c.match);
        Variant compare = c.compare ? variant(*c.compare) : Variant::missing(library());
        EXPECT_EQ(call<int32_t>(
                      [&](int32_t* out) { return lexmara()->NumMatches(text.get(), match.get(), compare.get(), out); }),
                  c.count);
    }
}

TEST_F(Members, StripRoutines)
{
    enum Member { Character, String, CharList };
    struct Case {
        Member member;
        std::string text, strip;
        Text result;
    };
    const std::vector<Case> cases{
        {Character, "a-b-c", "-", Text("abc")},
        {Character, "--", "-", Text("")},
        {Character, "abcabc", "bc", Text("acac")}, // only the first character of each occurrence
        {Character, "aaa", "aa", Text("a")},
        {Character, "abc", "", Text("")},
        {Character, "", "-", Text("")},
        {Character, "ABC", "b", Text("ABC")},
        {Character, "a\r\nb\r\n", "\r", Text("a\nb\n")},
        {String, "a, b, c", ", ", Text("abc")},
        {String, "abc", "", Text("")},      // an empty piece gives the empty text
        {String, "aabb", "ab", Text("ab")}, // the join is not searched again
        {String, "Abab", "ab", Text("Ab")},
        {String, "a\r\nb\r\n", "\r\n", Text("ab")},
        {CharList, "(01) 234-567", "() -", Text("01234567")},
        {CharList, "abc", "", Text("abc")},
        {CharList, "abc", repeated('x', 32767), Text(kError6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.member) + ": " + c.text + " / " + c.strip.substr(0, 10));
        BString text = this->text(c.text), strip = this->text(c.strip);
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      switch (c.member) {
                      case Character: return lexmara()->StripCharacter(text.ref(), strip.ref(), out);
                      case String: return lexmara()->StripString(text.ref(), strip.ref(), out);
                      default: return lexmara()->StripCharList(text.ref(), strip.ref(), out);
                      }
                  }),
                  c.result);
        EXPECT_EQ(text.str(), c.text) << "the caller's text stays as it was";
    }
}

TEST_F(Members, LastInstr)
{
    struct Case {
        std::string text, sought;
        std::optional<std::string> start; // nothing: omitted
        LxBOOL matchCase;
        Long position;
    };
    const std::vector<Case> cases{
        {"a_b_c", "_", std::nullopt, LX_FALSE, Long(4)},
        {"a_b_c", "_", "3", LX_FALSE, Long(2)},
        {"abcabc", "bc", "5", LX_FALSE, Long(2)}, // the occurrence at 5 does not end within 5
        {"ABC", "b", std::nullopt, LX_FALSE, Long(2)},
        {"ABC", "b", "-1", LX_TRUE, Long(0)},
        {"\xC0"
         "B",
         "\xE0", std::nullopt, LX_FALSE, Long(1)}, // accented letters fold too
        {"abc", "x", std::nullopt, LX_FALSE, Long(0)},
        {"", "x", std::nullopt, LX_FALSE, Long(0)},
        {"abc", "", std::nullopt, LX_FALSE, Long(3)},
        {"abc", "c", "10", LX_FALSE, Long(0)},
        {"abc", "c", "0", LX_FALSE, Long(kError5)},
        {"abc", "c", "-2", LX_FALSE, Long(kError5)},
        {"abc", "c", "many", LX_FALSE, Long(kError13)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.sought + " / " + c.start.value_or("omitted"));
        BString text = this->text(c.text), sought = this->text(c.sought);
        Variant start = c.start ? variant(*c.start) : Variant::missing(library());
        LxBOOL matchCase = c.matchCase;
        EXPECT_EQ(call<int32_t>([&](int32_t* out) {
                      return lexmara()->LastInstr(text.ref(), sought.ref(), start.get(), &matchCase, out);
                  }),
                  c.position);
    }
}

TEST_F(Members, IsAlphaNumericAndItsSixteenBitLimit)
{
    struct Case {
        std::string text;
        Outcome<LxBOOL> answer;
    };
    const std::vector<Case> cases{
        {"Ab12", LX_TRUE},
        {"A,B", LX_TRUE},
        {"A B", LX_FALSE},
        {"A-B", LX_FALSE},
        {"", LX_FALSE},
        {repeated('a', 32766), LX_TRUE},
        {repeated('a', 32767), kError6},
        {repeated('a', 32766) + "-", LX_FALSE},
        {"-" + repeated('a', 32767), kError6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 10) + " (" + std::to_string(c.text.size()) + ")");
        BString text = this->text(c.text);
        EXPECT_EQ(call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsAlphaNumeric(text.ref(), out); }), c.answer);
    }
}

TEST_F(Members, InstrNotInList)
{
    struct Case {
        std::optional<std::string> start;
        std::string text;
        Long position;
    };
    const std::vector<Case> cases{
        {"1", "123a5", Long(4)},
        {"5", "123a5", Long(0)},
        {"9", "123a5", Long(0)},
        {"0", "123a5", Long(kError5)},
        {std::nullopt, "123a5", Long(kError13)},
        {"1", repeated('1', 32767), Long(kError6)},
        {"1", repeated('1', 32766), Long(0)},
    };
    const BString digits = text("0123456789");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 10) + " from " + c.start.value_or("missing"));
        BString text = this->text(c.text), list = this->text(digits.view());
        Variant start = c.start ? variant(*c.start) : Variant::missing(library());
        EXPECT_EQ(call<int32_t>([&](int32_t* out) {
                      return lexmara()->InstrNotInList(start.get(), text.ref(), list.ref(), out);
                  }),
                  c.position);
    }
}

TEST_F(Members, InstrNotInListRevWritesTheDefaultStartBack)
{
    struct Case {
        std::string text;
        int32_t start;
        Long position;
        int32_t startAfter;
    };
    const std::vector<Case> cases{
        {"a123", -1, Long(1), 4},
        {"1234", 2, Long(0), 2},
        {"12a4", 4, Long(3), 4},
        {"12a4", 9, Long(0), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " from " + std::to_string(c.start));
        BString text = this->text(c.text), list = this->text("0123456789");
        int32_t start = c.start;
        EXPECT_EQ(call<int32_t>(
                      [&](int32_t* out) { return lexmara()->InstrNotInListRev(text.ref(), list.ref(), &start, out); }),
                  c.position);
        EXPECT_EQ(start, c.startAfter);
    }
}

TEST_F(Members, SearchArray)
{
    BString elements[] = {text("ab"), text("cd"), text("abc")};
    LxBSTR data[] = {elements[0].get(), elements[1].get(), elements[2].get()};
    LxSAFEARRAY fromZero{1, LX_VT_BSTR, 0, 3, data};
    LxSAFEARRAY fromOne{1, LX_VT_BSTR, 1, 3, data};
    struct Case {
        LxSAFEARRAY* array;
        std::string sought;
        int32_t startElement;
        LxBOOL partial;
        Long index;
    };
    const std::vector<Case> cases{
        {&fromZero, "abc", 0, LX_FALSE, Long(2)},     {&fromZero, "b", 0, LX_TRUE, Long(0)},
        {&fromZero, "c", 0, LX_TRUE, Long(1)},        {&fromZero, "x", 0, LX_FALSE, Long(-1)},
        {&fromZero, "abc", 3, LX_FALSE, Long(-1)},    {&fromOne, "cd", 1, LX_FALSE, Long(2)},
        {&fromOne, "cd", 0, LX_FALSE, Long(kError9)}, // below the lower bound
        {nullptr, "cd", 0, LX_FALSE, Long(kError9)},  // no dimensions
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sought + " from " + std::to_string(c.startElement));
        LxSAFEARRAY* array = c.array;
        BString sought = text(c.sought);
        int32_t startElement = c.startElement;
        LxBOOL partial = c.partial;
        EXPECT_EQ(call<int32_t>([&](int32_t* out) {
                      return lexmara()->SearchArray(&array, sought.ref(), &startElement, &partial, out);
                  }),
                  c.index);
    }
}

} // namespace
