// The UK postcode check, called through the vtable.
#include "ComponentHarness.h"

#include <vector>

using namespace harness;

namespace {

using Bool = Outcome<LxBOOL>;

class Postcode : public LexmaraTest {
protected:
    Bool check(const std::string& input)
    {
        BString text = this->text(input);
        const Bool answer = call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsPostcodeUK(text.ref(), out); });
        EXPECT_EQ(text.str(), input) << "the argument is left as it was";
        return answer;
    }
};

TEST_F(Postcode, Texts)
{
    const std::vector<std::pair<std::string, LxBOOL>> cases{
        {"A1 2BD", LX_TRUE},
        {"AB1 2DE", LX_TRUE},
        {"AB12 3DE", LX_TRUE},
        {"A1A 2DE", LX_TRUE},
        {"AB1E 2DE", LX_TRUE},
        {"AB123DE", LX_TRUE}, // no space
        {"A1  2BD", LX_TRUE}, // two spaces
        {"GIR 0AA", LX_TRUE},
        {"ab12 3de", LX_TRUE}, // small letters
        {"10 HIGH ST AB1 2DE", LX_TRUE},
        {"QA1 2BD", LX_TRUE},   // the candidate from the second character
        {"AB12  3DE", LX_TRUE}, // 'B12  3DE' from the second character
        {"AB1 2CD", LX_FALSE},  // "C" is no inward letter
        {"A11AA", LX_FALSE},    // five characters without a space
        {"AB1 2", LX_FALSE},
        {"A", LX_FALSE},
        {"", LX_FALSE},
        {"[1 2BD", LX_FALSE},
        {"AB1   2DE", LX_FALSE}, // three spaces
        {"ZA1 2BD", LX_TRUE},    // "Z" cannot open, 'A1 2BD' can
        {"AZ 2BD", LX_FALSE},    // "Z" cannot be second, nor "Z" and a space first
        {"AB1 2DEF", LX_TRUE},
        {"AB1 2D", LX_FALSE},
        // Outward codes of short texts.
        {"AB1", LX_TRUE},
        {"AB12", LX_TRUE},
        {"A1B2", LX_TRUE}, // the outward code 'B2' at its end
        {"A1 B", LX_TRUE}, // the space after 'A1'
        {"A1", LX_TRUE},
        {"11", LX_FALSE},
        {" AB1 ", LX_TRUE}, // trimmed to four: 'AB1' and the blank after it
        {"AB1C", LX_FALSE},
    };
    for (const auto& [text, answer] : cases) {
        SCOPED_TRACE("'" + text + "'");
        EXPECT_EQ(check(text), Bool(answer));
    }
}

TEST_F(Postcode, EachCallStartsAfresh)
{
    EXPECT_EQ(check("AB1 2DE"), Bool(LX_TRUE));
    EXPECT_EQ(check("AB1 2CD"), Bool(LX_FALSE));
    EXPECT_EQ(check("AB1"), Bool(LX_TRUE));
    EXPECT_EQ(check("A"), Bool(LX_FALSE));
}

TEST_F(Postcode, ScanPositionsAreSixteenBit)
{
    EXPECT_EQ(check(std::string(40000, '1')), Bool(Error{6}));
    EXPECT_EQ(check("AB1 2DE" + std::string(40000, '1')), Bool(LX_TRUE)); // found before the limit
    EXPECT_EQ(check(std::string(32000, '1') + "AB1 2DE"), Bool(LX_TRUE));
}

} // namespace
