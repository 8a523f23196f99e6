// The edit members, called through the vtable of an object created from the registry
// file, one table per member.
#include "ComponentHarness.h"

#include <vector>

using namespace harness;

namespace {

using Text = Outcome<std::string>;

constexpr Error kError5{5};
constexpr Error kError6{6};

class Edit : public LexmaraTest {};

TEST_F(Edit, ReplaceCharsFirst)
{
    struct Case {
        std::string text, find, with, result;
    };
    const std::vector<Case> cases{
        {"a.b.c", ".", "-", "a-b.c"},
        {"a.b.c", "x", "-", "a.b.c"},
        {"abc", "c", "XY", "abXY"},
        {"abc", "", "X", "Xabc"}, // an empty text to find is found at the front
        {"", "", "X", ""},
        {"Abc", "a", "X", "Abc"}, // binary comparison
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.find);
        BString text = this->text(c.text), find = this->text(c.find), with = this->text(c.with);
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->ReplaceCharsFirst(text.ref(), find.ref(), with.ref(), out);
                  }),
                  Text(c.result));
    }
}

TEST_F(Edit, ReplaceCharsAllWholeWordsOnlyReplacesTheWordsOfTheInput)
{
    struct Case {
        std::string text, find, with;
        LxBOOL caseSensitive, wholeWords;
        std::string result;
    };
    const std::vector<Case> cases{
        {"aAa", "a", "b", LX_TRUE, LX_FALSE, "bAb"},
        {"aAa", "a", "b", LX_FALSE, LX_FALSE, "bbb"},
        {"aaa", "aa", "a", LX_TRUE, LX_FALSE, "aa"}, // no overlaps, no second look
        {"abc", "", "x", LX_TRUE, LX_FALSE, "abc"},
        {"cat concat cat", "cat", "dog", LX_TRUE, LX_TRUE, "dog concat dog"},
        {"Cat cat.CAT", "cat", "dog", LX_FALSE, LX_TRUE, "dog dog.dog"},
        {"Cat cat", "cat", "dog", LX_TRUE, LX_TRUE, "Cat dog"},
        // A replacement that adds separators does not shift which words are replaced.
        {"a b a c a", "a", "x y a", LX_TRUE, LX_TRUE, "x y a b x y a c x y a"},
        {"a b a c", "a", "", LX_TRUE, LX_TRUE, " b  c"},
        {"a  b", "", "x", LX_TRUE, LX_TRUE, "a  b"},
        {"a.b", "a.b", "x", LX_TRUE, LX_TRUE, "a.b"}, // a full stop separates words
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.find + " / " + c.with);
        BString text = this->text(c.text), find = this->text(c.find), with = this->text(c.with);
        LxBOOL caseSensitive = c.caseSensitive, wholeWords = c.wholeWords;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->ReplaceCharsAll(text.ref(), find.ref(), with.ref(), &caseSensitive, &wholeWords,
                                                        out);
                  }),
                  Text(c.result));
    }
}

TEST_F(Edit, InsertString)
{
    struct Case {
        int32_t position;
        Text result;
    };
    const std::vector<Case> cases{
        {1, Text("aXbc")}, {0, Text("Xabc")}, {3, Text("abcX")}, {4, Text("")}, {-1, Text(kError5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        BString text = this->text("abc"), insertion = this->text("X");
        int32_t position = c.position;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->InsertString(text.ref(), insertion.ref(), &position, out);
                  }),
                  c.result);
    }
}

TEST_F(Edit, DeleteStringAcceptsADeletionUpToTheLastCharacter)
{
    const std::string invalid = "Invalid Length or Position";
    struct Case {
        int32_t position, count;
        std::string result;
    };
    const std::vector<Case> cases{
        {2, 3, "aef"},   {5, 2, "abcd"},  // ends at the last character
        {1, 6, ""},      {5, 3, invalid}, // runs past the end
        {0, 2, invalid}, {2, 0, invalid}, {2, -1, invalid}, {INT32_MAX, INT32_MAX, invalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + " / " + std::to_string(c.count));
        BString text = this->text("abcdef");
        EXPECT_EQ(call<std::string>(
                      [&](LxBSTR* out) { return lexmara()->DeleteString(text.ref(), c.position, c.count, out); }),
                  Text(c.result));
    }
}

TEST_F(Edit, DeDuplicate)
{
    struct Case {
        std::string text, piece;
        LxBOOL caseSensitive;
        std::string result;
    };
    const std::vector<Case> cases{
        {"THIS IS  A    TEST", " ", LX_FALSE, "THIS IS A TEST"},
        {"aAAb", "a", LX_FALSE, "ab"},
        {"aAAb", "a", LX_TRUE, "aAAb"},
        {"xababababy", "ab", LX_TRUE, "xaby"},
        {"a  b", "", LX_TRUE, "a  b"},
        {"", " ", LX_TRUE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.piece);
        BString text = this->text(c.text), piece = this->text(c.piece);
        LxBOOL caseSensitive = c.caseSensitive;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->DeDuplicate(text.ref(), piece.ref(), &caseSensitive, out);
                  }),
                  Text(c.result));
    }
}

TEST_F(Edit, StringRepeat)
{
    struct Case {
        std::string text;
        int32_t count;
        Text result;
    };
    const std::vector<Case> cases{
        {"ab", 3, Text("ababab")},
        {"ab", 0, Text("")},
        {"", 5, Text("")},
        {"ab", -1, Text(kError5)},
        {"ab", INT32_MAX, Text(kError6)},            // the total passes 32 bits
        {std::string(32768, 'x'), 1, Text(kError6)}, // the text's length passes 16 bits
        {std::string(32767, 'x'), 2, Text(std::string(65534, 'x'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.text.size()) + " x " + std::to_string(c.count));
        BString text = this->text(c.text);
        int32_t count = c.count;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) { return lexmara()->StringRepeat(text.ref(), &count, out); }),
                  c.result);
    }
}

TEST_F(Edit, ConcatFastAppendsBeyondItsBufferWithoutCutting)
{
    struct Case {
        std::string first, second;
    };
    const std::vector<Case> cases{
        {"abc", "de"},
        {"", ""},
        {std::string(499999, 'a'), "bcdef"}, // the joined text is longer than the buffer
        {std::string(500000, 'a'), "b"},     // the first text fills the buffer already
        {"xyz", "w"},                        // a short join after long ones
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first.size()) + " + " + c.second);
        BString first = text(c.first), second = text(c.second);
        ASSERT_EQ(lexmara()->ConcatFast(first.ref(), second.get()), S_OK);
        EXPECT_EQ(first.str(), c.first + c.second);
    }
}

} // namespace
