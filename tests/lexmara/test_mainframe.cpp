// The mainframe data members, called through the vtable: EBCDIC translation, packed
// and zoned decimal, packed fields in records, PIC fields.
#include "ComponentHarness.h"

#include <map>
#include <set>
#include <sstream>
#include <vector>

using namespace harness;

namespace {

using Text = Outcome<std::string>;
using Integer = Outcome<int16_t>;

constexpr Error kError5{5};
constexpr Error kError6{6};
constexpr Error kError13{13};

// The bytes written as hexadecimal pairs: "12 3C".
std::string bytes(std::string_view hex)
{
    std::string out;
    std::istringstream in{std::string(hex)};
    for (std::string pair; in >> pair;)
        out += static_cast<char>(std::stoi(pair, nullptr, 16));
    return out;
}

std::string allCodes()
{
    std::string codes;
    for (int c = 0; c < 256; ++c)
        codes += static_cast<char>(c);
    return codes;
}

class Mainframe : public LexmaraTest {
protected:
    using TextMember = HRESULT (_Lexmara::*)(LxBSTR*, LxBSTR*);
    Text convert(TextMember member, const std::string& input)
    {
        BString text = this->text(input);
        return call<std::string>([&](LxBSTR* out) { return (lexmara()->*member)(text.ref(), out); });
    }
    Text toPacked(const std::string& input)
    {
        BString text = this->text(input);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->StringToPackedDecimal(text.get(), out); });
    }
    Text toPackedWithLength(const std::string& input, int16_t length)
    {
        BString text = this->text(input);
        return call<std::string>(
            [&](LxBSTR* out) { return lexmara()->StringToPackedDecimalWithLen(text.get(), length, out); });
    }
};

TEST_F(Mainframe, TranslationExamples)
{
    EXPECT_EQ(convert(&_Lexmara::AsciiToEbcdic, "A0 "), Text(bytes("C1 F0 40")));
    EXPECT_EQ(convert(&_Lexmara::EbcdicToAscii, bytes("C1 F0 40")), Text("A0 "));
    EXPECT_EQ(convert(&_Lexmara::AsciiToEbcdic, bytes("0F")), Text(bytes("0F")));
    EXPECT_EQ(convert(&_Lexmara::EbcdicToAscii, bytes("0F")), Text(bytes("A9")));
    EXPECT_EQ(convert(&_Lexmara::AsciiToEbcdic, ""), Text(""));
    EXPECT_EQ(std::get<std::string>(convert(&_Lexmara::AsciiToEbcdic, std::string(65526, 'a'))),
              std::string(65526, '\x81'));
    EXPECT_EQ(convert(&_Lexmara::AsciiToEbcdic, std::string(65527, 'a')), Text(kError5));
    EXPECT_EQ(convert(&_Lexmara::EbcdicToAscii, std::string(65527, 'a')), Text(kError5));
}

TEST_F(Mainframe, TranslationTablesHaveExactlyTheNamedDuplicatesAndGaps)
{
    const std::string toAscii = std::get<std::string>(convert(&_Lexmara::EbcdicToAscii, allCodes()));
    EXPECT_EQ(std::set<char>(toAscii.begin(), toAscii.end()).size(), 256u) << "every code once";

    const std::string toEbcdic = std::get<std::string>(convert(&_Lexmara::AsciiToEbcdic, allCodes()));
    std::map<unsigned char, std::vector<int>> sources;
    for (int c = 0; c < 256; ++c)
        sources[static_cast<unsigned char>(toEbcdic[c])].push_back(c);
    std::map<int, std::vector<int>> duplicates;
    std::vector<int> missing;
    for (int e = 0; e < 256; ++e) {
        const auto found = sources.find(static_cast<unsigned char>(e));
        if (found == sources.end())
            missing.push_back(e);
        else if (found->second.size() > 1)
            duplicates[e] = found->second;
    }
    const std::map<int, std::vector<int>> namedDuplicates{
        {0x0F, {0x0F, 0xA9}}, {0x3C, {0x14, 0xB0}}, {0x3D, {0x15, 0xB1}}, {0x22, {0x1C, 0xB9}}, {0x35, {0x1E, 0xDF}}};
    EXPECT_EQ(duplicates, namedDuplicates);
    EXPECT_EQ(missing, (std::vector<int>{0x1C, 0x1E, 0x9F, 0xB5, 0xB6}));

    // The round trip: five codes come back as their partners, the rest as themselves.
    const std::string back = std::get<std::string>(convert(&_Lexmara::EbcdicToAscii, toEbcdic));
    const std::map<int, int> changed{{0x0F, 0xA9}, {0x14, 0xB0}, {0x15, 0xB1}, {0x1C, 0xB9}, {0x1E, 0xDF}};
    for (int c = 0; c < 256; ++c) {
        const auto partner = changed.find(c);
        EXPECT_EQ(static_cast<unsigned char>(back[c]), partner == changed.end() ? c : partner->second) << c;
    }
}

TEST_F(Mainframe, PackedDecimalToString)
{
    const std::string longest = std::string(62, '\x11') + bytes("1C"); // 63 bytes
    const std::vector<std::pair<std::string, std::string>> cases{
        {bytes("12 3C"), "123"},
        {bytes("01 23 4D"), "-01234"},
        {bytes("12 3F"), "123"},
        {bytes("12 3A"), "123"},
        {bytes("12 3E"), "123"},
        {bytes("12 3B"), "-123"},
        {bytes("0C"), "0"},
        {bytes("12 34"), "Invalid"}, // sign half-byte 4
        {bytes("A2 3C"), "Invalid"},
        {bytes("1A 3C"), "Invalid"}, // a low half-byte above 9 in a digit position
        {bytes("1F 3C"), "Invalid"},
        {"", "Invalid"},
        {longest, std::string(125, '1')},
        {'\x11' + longest, "Invalid"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(convert(&_Lexmara::PackedDecimalToString, cases[i].first), Text(cases[i].second));
    }
}

TEST_F(Mainframe, StringToPackedDecimal)
{
    const std::vector<std::pair<std::string, Text>> cases{
        {"123", Text(bytes("12 3C"))},
        {"12", Text(bytes("01 2C"))},
        {"-123", Text(bytes("12 3D"))},
        {"-12", Text(bytes("01 2D"))},
        {"1,234", Text(bytes("01 23 4C"))}, // the comma is filtered out
        {"0", Text(bytes("0C"))},
        {"abc", Text("Invalid")},
        {"", Text("Invalid")},
        {"-", Text("Invalid")},
        {"1-2", Text("Invalid")},
        {"12-", Text("Invalid")},
        {std::string(63, '9'), Text(std::string(31, '\x99') + bytes("9C"))},
        {std::string(64, '9'), Text(kError5)},
    };
    for (const auto& [input, packed] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(toPacked(input), packed);
    }
}

TEST_F(Mainframe, StringToPackedDecimalWithLen)
{
    struct Case {
        std::string input;
        int16_t length;
        Text packed;
    };
    const std::vector<Case> cases{
        {"123", 3, Text(bytes("00 12 3C"))},
        {"-5", 2, Text(bytes("00 5D"))},
        {"12345", 2, Text("Length too short for result")},
        {"1234", 2, Text("Length too short for result")},
        {"-123", 2, Text(bytes("12 3D"))}, // the sign does not count against the length
        {"123", 2, Text(bytes("12 3C"))},
        {"1", 16, Text("Invalid Length")},
        {"1", -1, Text("Invalid Length")},
        {"1", 15, Text(std::string(14, '\0') + bytes("1C"))},
        {"1", 0, Text(kError5)},
        {"abc", 2, Text("Invalid")},
        {"1-2", 2, Text("Invalid")},
        {"GBP 1,000.00", 4, Text(bytes("01 00 00 0C"))}, // only digits and "-" are kept: 100000
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input + " / " + std::to_string(c.length));
        EXPECT_EQ(toPackedWithLength(c.input, c.length), c.packed);
    }
}

TEST_F(Mainframe, PackedFieldsInARecord)
{
    struct Case {
        std::string record;
        int32_t at;
        Integer position;
        Text number;
        Integer length;
    };
    const std::string record = bytes("41 2C 99 5D");
    const std::string withBreak = bytes("F1 41 2C");
    const std::vector<Case> cases{
        {record, 1, Integer(int16_t{1}), Text("412"), Integer(int16_t{2})},
        {record, 2, Integer(int16_t{3}), Text("-995"), Integer(int16_t{1})},
        {record, 3, Integer(int16_t{0}), Text(""), Integer(int16_t{2})},
        {record, 4, Integer(int16_t{0}), Text(""), Integer(int16_t{1})},
        {record, 5, Integer(int16_t{0}), Text(""), Integer(int16_t{-1})},
        {record, 0, Integer(int16_t{0}), Text(""), Integer(int16_t{0})},
        {record, -1, Integer(int16_t{0}), Text(""), Integer(int16_t{0})},
        {withBreak, 1, Integer(int16_t{2}), Text("412"), Integer(int16_t{3})},
        {"", 1, Integer(int16_t{0}), Text(""), Integer(int16_t{0})},
        {bytes("12 34 56"), 1, Integer(int16_t{0}), Text(""), Integer(int16_t{-1})}, // no sign byte
        // A field of 17 bytes is too long to measure, one of 16 is not.
        {std::string(16, '\x11') + bytes("1C"), 1, Integer(int16_t{1}), Text(std::string(33, '1')),
         Integer(int16_t{-1})},
        {std::string(15, '\x11') + bytes("1C"), 1, Integer(int16_t{1}), Text(std::string(31, '1')),
         Integer(int16_t{16})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.record.size()) + " bytes, " + std::to_string(c.at));
        BString text = this->text(c.record);
        int32_t at = c.at;
        EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->GetPackedDecimalPos(&at, text.ref(), out); }),
                  c.position);
        EXPECT_EQ(call<std::string>([&](LxBSTR* out) { return lexmara()->InstrPackedDecimal(&at, text.ref(), out); }),
                  c.number);
        EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->PackedDecimalLen(&at, text.ref(), out); }),
                  c.length);
    }
}

TEST_F(Mainframe, PackedFieldPositionIsSixteenBit)
{
    for (const auto& [padding, position] :
         {std::pair{32766, Integer(int16_t{32767})}, std::pair{32767, Integer(kError6)}}) {
        BString text = this->text(std::string(padding, '\xF0') + bytes("1C"));
        int32_t field = 1;
        EXPECT_EQ(call<int16_t>([&](int16_t* out) { return lexmara()->GetPackedDecimalPos(&field, text.ref(), out); }),
                  position);
    }
}

TEST_F(Mainframe, ZonedDecimal)
{
    const std::vector<std::pair<std::string, Text>> toString{
        {"F1 F2 C3", Text("123")},  {"F1 F2 D3", Text("-123")}, {"F1 C2 F3", Text("invalid")},
        {"F1 F2 F3", Text("123")},  {"D7", Text("-7")},         {"F1 FA", Text("invalid")},
        {"F1 E2", Text("invalid")}, {"31 32", Text("invalid")}, {"", Text("")},
    };
    for (const auto& [hex, number] : toString) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(convert(&_Lexmara::ZonedDecimalToString, bytes(hex)), number);
    }
    const std::vector<std::pair<std::string, Text>> toZoned{
        {"123", Text(bytes("F1 F2 C3"))},
        {"-123", Text(bytes("F1 F2 D3"))},
        {"+7", Text(bytes("C7"))},
        {"1-2", Text("invalid")},
        {"", Text("invalid")},
        {"-", Text("invalid")},
        {" 12", Text("invalid")},
        {"1.5", Text("invalid")},
    };
    for (const auto& [input, zoned] : toZoned) {
        SCOPED_TRACE(input);
        EXPECT_EQ(convert(&_Lexmara::StringToZonedDecimal, input), zoned);
    }
    EXPECT_EQ(convert(&_Lexmara::ZonedDecimalToString, std::string(32768, '\xF1')), Text(kError6));
    EXPECT_EQ(convert(&_Lexmara::StringToZonedDecimal, std::string(32768, '1')), Text(kError6));
}

TEST_F(Mainframe, PICtoStringDecimal)
{
    struct Case {
        int32_t offset;
        int16_t length;
        std::string data;
        Text number;
    };
    const std::vector<Case> cases{
        {1, 3, bytes("01 23 45"), Text("123")},
        {0, 5, bytes("00 12 3F"), Text("123")}, // leading zeros dropped
        {0, 2, bytes("1A"), Text("Field is not valid PIC decimal")},
        {0, 0, bytes("12"), Text("Invalid PICLength")},
        {0, 0, "", Text("Invalid PICLength")},
        {4, 4, bytes("01 23"), Text(kError13)}, // nothing left at the offset
        {3, 4, bytes("01 23"), Text("3")},      // as many as there are
        {0, -1, bytes("12"), Text(kError5)},
        {-1, 2, bytes("12"), Text(kError5)},
        {0, 10, bytes("21 47 48 36 47"), Text("2147483647")},
        {0, 10, bytes("21 47 48 36 48"), Text(kError6)},
        {0, 12, bytes("00 21 47 48 36 47"), Text("2147483647")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.offset) + ", " + std::to_string(c.length));
        BString data = text(c.data);
        int32_t offset = c.offset;
        int16_t length = c.length;
        EXPECT_EQ(call<std::string>(
                      [&](LxBSTR* out) { return lexmara()->PICtoStringDecimal(&offset, &length, data.ref(), out); }),
                  c.number);
    }
}

} // namespace
