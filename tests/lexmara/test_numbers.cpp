// The number members, called through the vtable: words, bases, check digits, formats,
// leap years and ordinals.
#include "ComponentHarness.h"

#include <vector>

using namespace harness;

namespace {

using Text = Outcome<std::string>;

constexpr Error kError5{5};
constexpr Error kError6{6};
constexpr Error kError13{13};

// What a member that answers in a variant gave: a number, a text or an error.
using Answer = std::variant<int32_t, std::string, Error>;

Variant doubleValue(const ComponentLibrary& library, double value)
{
    Variant number(library);
    number.get()->vt = LX_VT_R8;
    number.get()->dblVal = value;
    return number;
}

class Numbers : public LexmaraTest {
protected:
    using TextMember = HRESULT (_Lexmara::*)(LxBSTR*, LxBSTR*);
    using VariantMember = HRESULT (_Lexmara::*)(LxVARIANT*, LxBSTR*);
    using AnswerMember = HRESULT (_Lexmara::*)(LxBSTR*, LxVARIANT*);

    Text convert(TextMember member, const std::string& input)
    {
        BString text = this->text(input);
        return call<std::string>([&](LxBSTR* out) { return (lexmara()->*member)(text.ref(), out); });
    }
    Text convert(VariantMember member, Variant input)
    {
        return call<std::string>([&](LxBSTR* out) { return (lexmara()->*member)(input.get(), out); });
    }
    Answer answer(AnswerMember member, const std::string& input)
    {
        BString text = this->text(input);
        Variant out(library());
        const HRESULT status = (lexmara()->*member)(text.ref(), out.get());
        if (failed(status))
            return Error{library().errorFor(status).number};
        if (out.value().vt == LX_VT_I4)
            return out.value().lVal;
        EXPECT_EQ(out.value().vt, LX_VT_BSTR);
        return std::string(lxView(out.value().bstrVal));
    }
    Text wordsWithAnd(int64_t scaled)
    {
        LxCY amount{scaled};
        return call<std::string>([&](LxBSTR* out) { return lexmara()->NumericToWordsWithAND(&amount, out); });
    }
};

TEST_F(Numbers, NumericToWords)
{
    const std::vector<std::pair<std::string, Text>> cases{
        {"0", Text(" zero")},
        {"21", Text(" twenty-one")},
        {"100", Text(" one hundred")},
        {"110", Text(" one hundred ten")},
        {"1201", Text(" one thousand two hundred one")},
        {"1000000", Text(" one million")},
        {"2.7", Text(" two")},
        {"-2.5", Text(" negative three")},
        {"-0.5", Text(" negative one")},
        {"-0", Text(" zero")},
        {"999999", Text(" nine hundred ninety-nine thousand nine hundred ninety-nine")},
        {"1,000,019", Text(" one million nineteen")},
        {"  40  ", Text(" forty")},
        {"1E3", Text(" one thousand")},
        {"&H10", Text(" sixteen")},
        {"1000000000000", Text(" one trillion")},
        {"922337203685477",
         Text(" nine hundred twenty-two trillion three hundred thirty-seven billion two hundred "
              "three million six hundred eighty-five thousand four hundred seventy-seven")},
        // Read digit by digit, not through a double that would round up to ...478.
        {"922337203685477.9999",
         Text(" nine hundred twenty-two trillion three hundred thirty-seven billion two "
              "hundred three million six hundred eighty-five thousand four hundred "
              "seventy-seven")},
        {"922337203685478", Text(kError6)},
        {"-922337203685477.5", Text(kError6)},
        {"1E300", Text(kError6)},
        {"abc", Text(kError13)},
        {"", Text(kError13)},
    };
    for (const auto& [number, words] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(convert(&_Lexmara::NumericToWords, number), words);
    }
}

TEST_F(Numbers, NumericToWordsWithAND)
{
    const std::vector<std::pair<int64_t, std::string>> cases{
        {101, " one hundred and one"},
        {1001, " one thousand and one"},
        {1100, " one thousand one hundred"},
        {1201, " one thousand two hundred and one"},
        {1000050, " one million and fifty"},
        {2000000, " two million"},
        {0, " zero"},
        {-21, " negative twenty-one"},
        {1000100, " one million one hundred"},
        {1999999999999,
         " one trillion nine hundred and ninety-nine billion nine hundred and ninety-nine million "
         "nine hundred and ninety-nine thousand nine hundred and ninety-nine"},
    };
    for (const auto& [whole, words] : cases) {
        SCOPED_TRACE(whole);
        EXPECT_EQ(wordsWithAnd(whole * 10000), Text(words));
    }
    EXPECT_EQ(wordsWithAnd(27000), Text(" two"));             // 2.7
    EXPECT_EQ(wordsWithAnd(-25000), Text(" negative three")); // -2.5
    EXPECT_EQ(wordsWithAnd(INT64_MAX),
              Text(" nine hundred and twenty-two trillion three hundred and thirty-seven "
                   "billion two hundred and three million six hundred and eighty-five "
                   "thousand four hundred and seventy-seven"));
    EXPECT_EQ(wordsWithAnd(INT64_MIN), Text(kError6));
}

TEST_F(Numbers, DecimalAndBinary)
{
    const std::vector<std::pair<std::string, Text>> toBinary{
        {"13", Text("1101")},
        {"0", Text("0")},
        {"000", Text("0")},
        {"1", Text("1")},
        {"0010", Text("1010")},
        {"18446744073709551616", Text("1" + std::string(64, '0'))},
        {"18446744073709551615", Text(std::string(64, '1'))},
        {"340282366920938463463374607431768211457", Text("1" + std::string(127, '0') + "1")},
        {"-5", Text(kError5)},
        {"2.5", Text(kError5)},
        {"abc", Text(kError13)},
        {"", Text(kError13)},
        {"1" + std::string(309, '0'), Text(kError6)}, // beyond the largest double
    };
    for (const auto& [decimal, binary] : toBinary) {
        SCOPED_TRACE(decimal.substr(0, 40));
        EXPECT_EQ(convert(&_Lexmara::Dec2Bin, variant(decimal)), binary);
    }
    // 10^308 has 1024 binary digits, the last 308 of them zeros (it is 2^308 x 5^308).
    const std::string large = std::get<std::string>(convert(&_Lexmara::Dec2Bin, variant("1" + std::string(308, '0'))));
    EXPECT_EQ(large.size(), 1024u);
    EXPECT_EQ(large.substr(1024 - 309), "1" + std::string(308, '0'));
    EXPECT_EQ(convert(&_Lexmara::Dec2Bin, Variant::longValue(library(), 13)), Text("1101"));

    const std::vector<std::pair<std::string, Text>> toDecimal{
        {"1101", Text("13")},
        {"1x1", Text("5")},
        {"", Text("0")},
        {"1" + std::string(50, '0'), Text("1.12589990684262E+15")},
        {std::string(49, '1'), Text("562949953421311")},
        {std::string(32768, '0'), Text(kError6)},
    };
    for (const auto& [binary, decimal] : toDecimal) {
        SCOPED_TRACE(binary.substr(0, 40));
        EXPECT_EQ(convert(&_Lexmara::Bin2Dec, variant(binary)), decimal);
    }
    EXPECT_EQ(convert(&_Lexmara::Bin2Dec, Variant::longValue(library(), 101)), Text("5"));
}

TEST_F(Numbers, HexadecimalTexts)
{
    EXPECT_EQ(convert(&_Lexmara::String2Hex, "WORD"), Text("574F5244"));
    EXPECT_EQ(convert(&_Lexmara::String2Hex, std::string("\0\xFF", 2)), Text("00FF"));
    EXPECT_EQ(convert(&_Lexmara::String2Hex, ""), Text(""));
    const std::vector<std::pair<std::string, Text>> toText{
        {"574F5244", Text("WORD")},
        {"465", Text("invalid")},
        {"", Text("invalid")},
        {"4G", Text("P")}, // "G" counts 16
        {"00FF", Text(std::string("\0\xFF", 2))},
        {"4-", Text("invalid")},
        {",0", Text("invalid")},                    // a pair below 0
        {"ZZ", Text("invalid")},                    // a pair above 255
        {std::string(32768, 'A'), Text("invalid")}, // the letters test overflows: still the message
    };
    for (const auto& [hex, text] : toText) {
        SCOPED_TRACE(hex.substr(0, 20));
        EXPECT_EQ(convert(&_Lexmara::Hex2String, hex), text);
    }
}

TEST_F(Numbers, HexadecimalNumbers)
{
    const std::vector<std::pair<std::string, Answer>> toDecimal{
        {"40ABCA", 4238282},
        {"ABCDEF12", -1412567278},
        {"FFFFFFFF", -1},
        {"FFFF", 65535},
        {"7fffffff", 2147483647},
        {"ABC", std::string("invalid")},
        {"", std::string("invalid")},
        {"A-", std::string("invalid")},
        {"4G", kError13},
        {"A,", kError13},
        {"0123456789", kError6},
    };
    for (const auto& [hex, value] : toDecimal) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(answer(&_Lexmara::Hex2Dec, hex), value);
    }
    const std::vector<std::pair<std::string, std::string>> toHex{
        {"255", "FF"},
        {"0", "0"},
        {"2.5", "2"},
        {"3.5", "4"},
        {"-1", "FFFFFFFF"},
        {"2147483647", "7FFFFFFF"},
        {"-2147483648", "80000000"},
        {"2147483648", "Invalid or Overflow"},
        {"abc", "Invalid or Overflow"},
        {"", "Invalid or Overflow"},
    };
    for (const auto& [number, hex] : toHex) {
        SCOPED_TRACE(number);
        EXPECT_EQ(answer(&_Lexmara::Dec2Hex, number), Answer(hex));
    }
}

TEST_F(Numbers, CalcBarcodeLUHN)
{
    const std::vector<std::pair<std::string, Text>> cases{
        {"0000000000000000000001", Text("00000000000000000000018")},
        {"1234567890123456789012", Text("12345678901234567890121")},
        {"0000000000000000000000", Text("00000000000000000000000")}, // a sum ending in 0 gives "0"
        {"9999999999999999999999", Text("99999999999999999999992")},
        {"123456789012345678901", Text("Lexmara.CalcBarcodeLUHN BarCode string must be 22 characters in length")},
        {"", Text("Lexmara.CalcBarcodeLUHN BarCode string must be 22 characters in length")},
        {"12345678901234567890a2", Text(kError13)},
    };
    for (const auto& [digits, barcode] : cases) {
        SCOPED_TRACE(digits);
        EXPECT_EQ(convert(&_Lexmara::CalcBarcodeLUHN, variant(digits)), barcode);
    }
}

TEST_F(Numbers, PhoneAndCardFormats)
{
    const std::vector<std::pair<std::string, std::string>> phones{
        {"(555) 123-4567", "555-123-4567"},
        {"5551234", "555-1234"},
        {"12345678", "123-456-78  "},
        {"123", "123-    "},
        {"abc", "   -    "},
        {"", ""},
        {"555123456789", "555-123-456789"}, // digits beyond the pattern follow it
    };
    for (const auto& [input, formatted] : phones) {
        SCOPED_TRACE(input);
        EXPECT_EQ(convert(&_Lexmara::FormatPhoneNumber, input), Text(formatted));
    }
    const std::vector<std::pair<std::string, std::string>> cards{
        {"1234 5678 9012 3456", "1234 5678 9012 3456"},
        {"1234-5678", "1234 -567 8        "},
        {"12345678.5", "1234 5678 .5       "},
        {"", ""},
    };
    for (const auto& [input, formatted] : cards) {
        SCOPED_TRACE(input);
        EXPECT_EQ(convert(&_Lexmara::FormatCreditCard, input), Text(formatted));
    }
}

TEST_F(Numbers, PadAlignString)
{
    struct Case {
        std::string text;
        int32_t length;
        std::optional<int16_t> alignment;
        std::optional<std::string> pad;
        std::string result;
    };
    const std::vector<Case> cases{
        {"abc", 10, 2, "*", "****abc***"},
        {"abcde", 10, 2, "*", "**abcde***"},
        {"abcde", 6, 2, "*", "abcde*"},
        {"abc", 5, std::nullopt, std::nullopt, "abc  "},
        {"abc", 5, 1, "0", "00abc"},
        {"abc", 3, 1, "0", "abc"},
        {"abc", 5, 0, std::nullopt, "abc  "},
        {"abc", 2, std::nullopt, std::nullopt, "Invalid length"},
        {"abc", -1, 0, "", "Invalid length"}, // the length is checked before the pad
        {"abc", 5, 3, std::nullopt, "Invalid Pad"},
        {"abc", 5, -1, "", "Invalid Pad"},
        {"abc", 5, 0, "", "Invalid Pad Character"},
        {"abc", 5, 0, "ab", "Invalid Pad Character"},
        {"", 0, 0, " ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " " + std::to_string(c.length));
        BString text = this->text(c.text), pad = this->text(c.pad.value_or(""));
        int32_t length = c.length;
        int16_t alignment = c.alignment.value_or(0);
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) {
                      return lexmara()->PadAlignString(text.ref(), &length, c.alignment ? &alignment : nullptr,
                                                       c.pad ? pad.ref() : nullptr, out);
                  }),
                  Text(c.result));
    }
}

TEST_F(Numbers, IsLeapYear)
{
    const std::vector<std::pair<double, LxBOOL>> years{
        {2000, LX_TRUE},   {1900, LX_FALSE}, {2004, LX_TRUE},  {2100, LX_FALSE},  {1896, LX_FALSE},
        {10000, LX_FALSE}, {9996, LX_TRUE},  {2003, LX_FALSE}, {2003.5, LX_TRUE}, {2004.5, LX_TRUE},
    };
    for (const auto& [year, leap] : years) {
        SCOPED_TRACE(year);
        Variant value = doubleValue(library(), year);
        EXPECT_EQ(call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsLeapYear(value.get(), out); }),
                  Outcome<LxBOOL>(leap));
    }
    Variant text = variant("2024"), word = variant("leap");
    EXPECT_EQ(call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsLeapYear(text.get(), out); }),
              Outcome<LxBOOL>(LX_TRUE));
    EXPECT_EQ(call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsLeapYear(word.get(), out); }),
              Outcome<LxBOOL>(kError13));
}

TEST_F(Numbers, GetOrdinal)
{
    const std::vector<std::pair<int32_t, std::string>> cases{
        {1, "1st"},       {2, "2nd"},
        {3, "3rd"},       {4, "4th"},
        {11, "11th"},     {12, "12th"},
        {13, "13th"},     {20, "20th"},
        {21, "21st"},     {22, "22nd"},
        {23, "23rd"},     {100, "100th"},
        {101, "101st"},   {111, "111th"},
        {112, "112th"},   {113, "113th"},
        {1012, "1012th"}, {1022, "1022nd"},
        {0, "0"},         {-1, "-1"},
        {-11, "-11"},     {INT32_MAX, "2147483647th"},
    };
    for (const auto& [number, text] : cases) {
        SCOPED_TRACE(number);
        int32_t value = number;
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) { return lexmara()->GetOrdinal(&value, out); }), Text(text));
    }
}

} // namespace
