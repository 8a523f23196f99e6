// The word members, called through the vtable of an object created from the registry
// file, one table per member.
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

std::string repeated(std::string_view piece, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

class Words : public LexmaraTest {};

TEST_F(Words, WordCountWordPosAndWordPosLen)
{
    struct Case {
        std::string text;
        int32_t number;
        Long count, position;
        Outcome<int16_t> size;
    };
    const std::vector<Case> cases{
        {"", 1, Long(0), Long(0), int16_t{0}},
        {" . ", 1, Long(0), Long(0), int16_t{0}},
        {"a.b c", 3, Long(3), Long(5), int16_t{1}},
        {"a\tb", 1, Long(1), Long(1), int16_t{3}},
        {"  hello world", 2, Long(2), Long(9), int16_t{5}},
        {"hello", 2, Long(1), Long(0), int16_t{0}},
        {"hello", 0, Long(1), Long(0), int16_t{0}},
        {"abc.de fg", 1, Long(3), Long(1), int16_t{3}},
        {"abc de.fg", 2, Long(3), Long(5), int16_t{2}},
        {"abc def", 2, Long(2), Long(5), int16_t{3}},
        // The length member counts in 16 bits: a start, a length or a word count beyond.
        {std::string(32767, ' ') + "a", 1, Long(1), Long(32768), kError6},
        {std::string(32768, 'a'), 1, Long(1), Long(1), kError6},
        {repeated("a ", 32768), 32768, Long(32768), Long(65535), kError6},
        {std::string(32766, ' ') + "a", 1, Long(1), Long(32767), int16_t{1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20) + " (" + std::to_string(c.text.size()) + ") word "
                     + std::to_string(c.number));
        BString text = this->text(c.text);
        int32_t number = c.number;
        EXPECT_EQ(call<int32_t>([&](int32_t* out) { return lexmara()->WordCount(text.ref(), out); }), c.count);
        EXPECT_EQ(call<int32_t>([&](int32_t* out) { return lexmara()->WordPos(text.ref(), &number, out); }),
                  c.position);
        EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->WordPosLen(text.ref(), &number, out); }), c.size);
    }
}

TEST_F(Words, WordTakesPiecesBetweenSingleSpaces)
{
    struct Case {
        std::string text;
        int32_t number;
        std::string word;
    };
    const std::vector<Case> cases{
        {"THIS IS A TEST", 2, "IS"}, {"A.B", 2, "B"},  {" A B", 1, ""}, {"A B", 3, ""},
        {"A    B", 2, "B"},          {"A. B", 2, "B"}, {"A B", 0, ""},  {"", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.number));
        BString text = this->text(c.text);
        int32_t number = c.number;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) { return lexmara()->Word(text.ref(), &number, out); }),
                  Text(c.word));
    }
}

TEST_F(Words, WordDeleteKeepsTheSeparators)
{
    struct Case {
        std::string text;
        int32_t number;
        LxBOOL removeDoubleBlanks;
        std::string result;
    };
    const std::vector<Case> cases{
        {"THIS IS A TEST", 2, LX_FALSE, "THIS  A TEST"},
        {"THIS IS A TEST", 2, LX_TRUE, "THIS A TEST"},
        {"THIS IS", 3, LX_FALSE, ""},
        {"THIS IS", 0, LX_FALSE, ""},
        {"", 1, LX_FALSE, ""},
        {"a.b.c", 2, LX_TRUE, "a..c"}, // full stops are not touched
        {"one two", 2, LX_FALSE, "one "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.number));
        BString text = this->text(c.text);
        LxBOOL removeDoubleBlanks = c.removeDoubleBlanks;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->WordDelete(text.ref(), c.number, &removeDoubleBlanks, out);
                  }),
                  Text(c.result));
    }
}

TEST_F(Words, WordFind)
{
    struct Case {
        std::string text, word;
        int32_t position;
    };
    const std::vector<Case> cases{
        {"ends. here", "here", 7},  {"a here", "Here", 0}, {"a.b", "a.b", 0}, {"here", "here", 1},
        {"theres here", "here", 8}, {"", "x", 0},          {"x", "", 0},      {"a b c", "b c", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.word);
        BString text = this->text(c.text), word = this->text(c.word);
        EXPECT_EQ(call<int32_t>([&](int32_t* out) { return lexmara()->WordFind(text.ref(), word.get(), out); }),
                  Long(c.position));
    }
}

TEST_F(Words, InstrWordAndInstrWordRevFindTheFirstAndLastWholeWord)
{
    enum Direction { Forward, Backward };
    struct Case {
        Direction direction;
        std::string text, word, start; // Backward: the end of the search
        LxBOOL matchCase;
        Long position;
    };
    const std::vector<Case> cases{
        {Forward, "cat dog", "DOG", "1", LX_FALSE, Long(5)},
        {Forward, "cat dog", "DOG", "1", LX_TRUE, Long(0)},
        {Forward, "dog", "dog", "1", LX_FALSE, Long(1)},
        {Forward, "cat", "dog", "1", LX_FALSE, Long(0)},
        {Forward, "word x word", "word", "1", LX_FALSE, Long(1)}, // the first occurrence, not the closing one
        {Forward, "word x word", "word", "2", LX_FALSE, Long(8)},
        {Forward, "wordy", "word", "1", LX_FALSE, Long(0)},
        {Forward, "swords word.", "word", "1", LX_FALSE, Long(8)},
        {Forward, "a.word.b", "word", "1", LX_FALSE, Long(3)},
        {Forward, "a word", "word", "3", LX_FALSE, Long(3)}, // a word that begins at the start
        {Forward, "a word", "word", "9", LX_FALSE, Long(0)},
        {Forward, "a word", "", "1", LX_FALSE, Long(0)},
        {Forward, "a word", "word", "0", LX_FALSE, Long(kError5)},
        {Forward, "a word", "word", "many", LX_FALSE, Long(kError13)},
        {Backward, "a word b word", "word", "-1", LX_FALSE, Long(10)},
        {Backward, "a word b word", "word", "8", LX_FALSE, Long(3)},
        {Backward, "a word b word", "WORD", "-1", LX_TRUE, Long(0)},
        {Backward, "word x word", "word", "4", LX_FALSE, Long(1)},
        {Backward, "word x words", "word", "-1", LX_FALSE, Long(1)},
        {Backward, "a wordy", "word", "6", LX_FALSE, Long(0)}, // a word character follows within the text
        {Backward, "a word.", "word", "-1", LX_FALSE, Long(3)},
        {Backward, "a word", "word", "9", LX_FALSE, Long(0)},
        {Backward, "a word", "word", "0", LX_FALSE, Long(kError5)},
        {Backward, "a word", "word", "-2", LX_FALSE, Long(kError5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.direction == Forward ? "forward: " : "backward: ") + c.text + " / " + c.word
                     + " from " + c.start);
        Variant start = variant(c.start);
        BString text = this->text(c.text), word = this->text(c.word);
        LxBOOL matchCase = c.matchCase;
        EXPECT_EQ(call<int32_t>([&](int32_t* out) {
                      return c.direction == Forward
                          ? lexmara()->InstrWord(start.get(), text.ref(), word.ref(), &matchCase, out)
                          : lexmara()->InstrWordRev(text.ref(), word.ref(), start.get(), &matchCase, out);
                  }),
                  c.position);
    }
}

struct WrapCase {
    std::string text;
    int32_t width;
    LxBOOL hyphen;
    int32_t lowerBound;
    std::vector<std::string> before;
    Long lines;
    std::vector<std::string> after;
};

const std::vector<WrapCase>& wrapCases()
{
    static const std::vector<WrapCase> cases{
        {"the quick brown fox", 10, LX_TRUE, 0, {"", "", "", "x"}, Long(2), {"the quick", "brown fox", "", ""}},
        {"hello world", 80, LX_TRUE, 0, {"x", "x", "x"}, Long(1), {"hello world", "", ""}},
        // The first line holds at most width - 1 characters; later lines the whole width.
        {"hello world", 11, LX_TRUE, 0, {"x", "x"}, Long(2), {"hello", "world"}},
        {"hello world", 12, LX_TRUE, 0, {"x", "x"}, Long(1), {"hello world", ""}},
        {"abcde fghij", 5, LX_TRUE, 0, {"x", "x", "x"}, Long(2), {"abcde", "fghij", ""}},
        {"a b", 1, LX_TRUE, 0, {"x", "x"}, Long(2), {"a", "b"}}, // one-letter words need no split
        {"abcdefghijkl", 5, LX_TRUE, 0, {"", "", ""}, Long(3), {"abcd-", "efgh-", "ijkl"}},
        {"abcdefghijkl", 5, LX_FALSE, 0, {"", "", ""}, Long(3), {"abcde", "fghij", "kl"}},
        {"abc", 1, LX_FALSE, 0, {"", "", ""}, Long(3), {"a", "b", "c"}},
        {"ab cdefgh ij", 4, LX_TRUE, 0, {"", "", "", ""}, Long(4), {"ab", "cde-", "fgh", "ij"}},
        // Every word is kept: leading spaces, full stops inside words and alone.
        {" one  3.5 . two. ", 80, LX_TRUE, 0, {"x"}, Long(1), {"one 3.5 . two."}},
        {"", 10, LX_TRUE, 0, {"x", "y"}, Long(0), {"", ""}},
        // Too few elements: the lines that fit are written, then error 9.
        {"abcdefghijkl", 5, LX_TRUE, 0, {"", ""}, Long(kError9), {"abcd-", "efgh-"}},
        {"abc", 5, LX_TRUE, 1, {"x", "x"}, Long(kError9), {"x", "x"}}, // no element 0
        {"abc def", 3, LX_TRUE, -1, {"x", "", "", "x"}, Long(2), {"x", "abc", "def", ""}},
        // A width that cannot shorten a long word.
        {"abc", 1, LX_TRUE, 0, {"x"}, Long(kError5), {"x"}},
        {"abc", 0, LX_FALSE, 0, {"x"}, Long(kError5), {"x"}},
        {"abc", -5, LX_FALSE, 0, {"x"}, Long(kError5), {"x"}},
    };
    return cases;
}

template <class Array, class Member>
void checkWrap(const ComponentLibrary& library, Member member)
{
    for (const WrapCase& c : wrapCases()) {
        SCOPED_TRACE(c.text + " at " + std::to_string(c.width));
        BString text(library, c.text);
        int32_t width = c.width;
        LxBOOL hyphen = c.hyphen;
        Array array(library, c.lowerBound, c.before);
        EXPECT_EQ(outcome<int32_t>(library,
                                   [&](int32_t* out) { return member(text.ref(), &width, array.ref(), &hyphen, out); }),
                  c.lines);
        EXPECT_EQ(array.values(), c.after);
    }
}

TEST_F(Words, WordWrapIntoStrings)
{
    checkWrap<StringArray>(library(), [&](auto... arguments) { return lexmara()->WordWrap(arguments...); });
}

TEST_F(Words, WordWrapVarIntoVariants)
{
    checkWrap<VariantArray>(library(), [&](auto... arguments) { return lexmara()->WordWrapVar(arguments...); });
}

TEST_F(Words, WordWrapRefusesAnArrayWithoutDimensionsOrOfTheOtherType)
{
    BString text = this->text("a b");
    int32_t width = 10;
    LxSAFEARRAY* none = nullptr;
    StringArray strings(library(), 0, {""});
    EXPECT_EQ(call<int32_t>([&](int32_t* out) { return lexmara()->WordWrap(text.ref(), &width, &none, nullptr, out); }),
              Long(kError9));
    EXPECT_EQ(call<int32_t>([&](int32_t* out) {
                  return lexmara()->WordWrapVar(text.ref(), &width, strings.ref(), nullptr, out);
              }),
              Long(kError13));
}

} // namespace
