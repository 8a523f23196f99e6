// The text filters, called through the vtable of an object created from the registry
// file.
#include "ComponentHarness.h"

#include <vector>

using namespace harness;

namespace {

class Filters : public LexmaraTest {};

TEST_F(Filters, EachFilter)
{
    enum Member { TrimUnprintable, FilterString, FilterNumber, FilterNumberTrimmingZeroes };
    struct Case {
        Member member;
        std::string text, valid;
        std::string result;
    };
    const std::vector<Case> cases{
        {TrimUnprintable, "\t a b\r\n", "", "a b"},
        {TrimUnprintable, std::string("\0\x1F x\x01y \x7F", 8), "", "x\x01y \x7F"}, // 127 is not below 33
        {TrimUnprintable, " \t\r\n", "", ""},
        {FilterString, "a1b2", "12", "12"},
        {FilterString, "aAbB", "ab", "ab"}, // binary comparison
        {FilterString, "a1b2", "", ""},
        {FilterNumber, "Total: -1,234.50 GBP", "", "-1234.50"},
        {FilterNumberTrimmingZeroes, "Total: -1,234.50 GBP", "", "-1234.5"},
        {FilterNumberTrimmingZeroes, "12.500", "", "12.5"},
        {FilterNumberTrimmingZeroes, "12.000", "", "12"},
        {FilterNumberTrimmingZeroes, "1200", "", "1200"}, // no separator: the zeros stay
        {FilterNumberTrimmingZeroes, "1200.", "", "1200"},
        {FilterNumberTrimmingZeroes, "0.0", "", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.member) + ": " + c.text);
        BString text = this->text(c.text), valid = this->text(c.valid);
        LxBOOL trimZeroes = c.member == FilterNumberTrimmingZeroes ? LX_TRUE : LX_FALSE;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      switch (c.member) {
                      case TrimUnprintable: return lexmara()->TrimUnprintable(text.ref(), out);
                      case FilterString: return lexmara()->FilterString(text.ref(), valid.ref(), out);
                      default: return lexmara()->FilterNumber(text.ref(), &trimZeroes, out);
                      }
                  }),
                  Outcome<std::string>(c.result));
    }
}

} // namespace
