// Proper case: the member through the vtable with the built-in rules (no rule file in
// the system folders of a test machine), and the rule file loaded from given places.
#include "ComponentHarness.h"

#include "ProperCase.h"

#include <fstream>
#include <vector>

using namespace harness;

namespace {

class ProperCaseMember : public LexmaraTest {
protected:
    Outcome<std::string> properCase(std::string_view input)
    {
        BString text = this->text(input);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->ProperCase(text.get(), out); });
    }
};

TEST_F(ProperCaseMember, WithTheBuiltInRules)
{
    struct Case {
        std::string input, result;
    };
    const std::vector<Case> cases{
        {"  the  o'clock news ", "The  O'Clock News"},
        {"brown-jones & son ltd", "Brown-Jones & Son Ltd"},
        {"bank of england plc", "Bank of England plc"},
        {"salt AND pepper", "Salt and Pepper"},
        {"mcguffin", "McGuffin"},
        {"mcco", "Mcco"},
        {"machinery", "MacHinery"},
        {"macro", "Macro"},
        {"MACKLIN and macey", "Macklin and Macey"}, // the two surnames that keep their small letter
        {"chapter vi", "Chapter VI"},
        {"chapter vii", "Chapter VII"},
        {"chapter viii", "Chapter VIII"},
        {"flat 3, 12 high st.", "Flat 3, 12 High St."},
        {"(uk) office", "(UK) Office"},
        {"the aa", "The  AA"},
        {"a/b", "A/b"},
        {"DR. JOHN SMITH BSC", "Dr. John Smith BSc"},
        {"\xE9"
         "cole \xC9MILE",
         "\xC9"
         "cole \xC9"
         "mile"}, // accented letters change case too
        {"", ""},
        {"   ", ""},
        // The Mc and Mac rules look at the word they capitalise, wherever it stands.
        {".mcguffin", ".McGuffin"},
        {"..mcguffin macdonald", "..McGuffin MacDonald"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(properCase(c.input), Outcome<std::string>(c.result));
    }
}

TEST_F(ProperCaseMember, ALongTextEnds)
{
    std::string input;
    while (input.size() < 40000)
        input += "mcguffin of london ";
    const auto result = properCase(input);
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    EXPECT_EQ(std::get<std::string>(result).substr(39900 - 39900 % 19, 19), "McGuffin of London ");
}

class RuleFile : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& contents)
    {
        const std::string path = folder_.file(name);
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    std::string missing() const { return folder_.file("missing.ini"); }

    TemporaryFolder folder_;
    lexmara::ProperCaseRules rules_{{std::vector<std::string>(2), std::vector<std::string>(2)}};
};

TEST_F(RuleFile, ItsRowsReplaceTheBuiltInOnes)
{
    const std::string path = write("lm_decap.ini", "ibm|Ibm\r\n");
    EXPECT_EQ(lexmara::properCase("ibm uk", rules_, {missing(), path}), "Ibm Uk");
    EXPECT_EQ(rules_[0], (std::vector<std::string>{"", "ibm", ""}));
}

TEST_F(RuleFile, LinesAreCutAtTheBarsAndBlankOnesSkipped)
{
    const std::string path = write("lm_decap.ini", "  \r\nco | Co|ignored\r\n\r\nLtd|LTD\nx|y");
    lexmara::loadProperCaseRules(rules_, {path});
    EXPECT_EQ(rules_[0], (std::vector<std::string>{"", "co ", "Ltd", "x", ""}));
    EXPECT_EQ(rules_[1], (std::vector<std::string>{"", " Co", "LTD", "y", ""}));
}

TEST_F(RuleFile, TheBuiltInRowsStandInWhenTheFileCannotServe)
{
    for (const std::string& contents : {std::string(), std::string("ibm|Ibm\r\nno bar here\r\n")}) {
        SCOPED_TRACE(contents);
        lexmara::loadProperCaseRules(rules_, {write("lm_decap.ini", contents)});
        ASSERT_EQ(rules_[0].size(), 94u);
        EXPECT_EQ(rules_[0][3], "AA");
        EXPECT_EQ(rules_[1][3], " AA");
        EXPECT_EQ(rules_[1][6], "and");
        EXPECT_EQ(rules_[0][93], rules_[1][93]);
    }
    lexmara::loadProperCaseRules(rules_, {missing()});
    EXPECT_EQ(rules_[0].size(), 94u);
}

TEST_F(RuleFile, OneOfBlankLinesOnlyIsReadAgainOnTheNextCall)
{
    const std::string path = write("lm_decap.ini", "  \r\n\r\n");
    EXPECT_EQ(lexmara::properCase("ibm uk", rules_, {path}), "Ibm Uk");
    EXPECT_EQ(rules_[0], std::vector<std::string>(2));
    write("lm_decap.ini", "uk|UK\r\n");
    EXPECT_EQ(lexmara::properCase("ibm uk", rules_, {path}), "Ibm UK");
}

} // namespace
