// Every optional argument of the built members, left out (a null pointer, or for a
// variant the missing value), behaves as its default passed explicitly.
#include "ComponentHarness.h"

#include <functional>
#include <sstream>
#include <vector>

using namespace harness;

namespace {

class OptionalArguments : public LexmaraTest {
protected:
    // What a call gave, as one comparable text: its result or its error, and what it
    // left in the arguments it may write.
    template <class Result>
    static std::string described(const Outcome<Result>& outcome, const std::string& written = {})
    {
        std::ostringstream text;
        if (const auto* error = std::get_if<Error>(&outcome))
            text << *error;
        else
            text << std::get<Result>(outcome);
        return text.str() + " | " + written;
    }
    static std::string joined(const std::vector<std::string>& values)
    {
        std::string text;
        for (const std::string& value : values)
            text += "[" + value + "]";
        return text;
    }
};

TEST_F(OptionalArguments, LeftOutIsTheDefault)
{
    // Each member is called once with the argument left out and once with its default.
    struct Case {
        const char* member;
        std::function<std::string(bool leftOut)> call;
    };
    LxBOOL kTrue = LX_TRUE, kFalse = LX_FALSE;
    auto optional = [](bool leftOut, LxBOOL& value) { return leftOut ? nullptr : &value; };
    auto optionalStart = [this](bool leftOut, int32_t value) {
        return leftOut ? Variant::missing(library()) : Variant::longValue(library(), value);
    };

    const std::vector<Case> cases{
        {"NumMatches iCompare",
         [&](bool leftOut) {
             BString text = this->text("aAaA"), match = this->text("a");
             Variant compare = leftOut ? Variant::missing(library()) : Variant::longValue(library(), 0);
             return described(call<int32_t>(
                 [&](int32_t* out) { return lexmara()->NumMatches(text.get(), match.get(), compare.get(), out); }));
         }},
        {"NumMatches iCompare (null)",
         [&](bool leftOut) {
             BString text = this->text("aAaA"), match = this->text("a");
             Variant compare = Variant::longValue(library(), 0);
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->NumMatches(text.get(), match.get(), leftOut ? nullptr : compare.get(), out);
             }));
         }},
        {"StringEncrypt strKey",
         [&](bool leftOut) {
             // The default, an empty key, makes a random one: only the length is fixed.
             BString plain = this->text("plain text"), key(library());
             const auto cipher = call<std::string>([&](LxBSTR* out) {
                 return lexmara()->StringEncrypt(plain.get(), leftOut ? nullptr : key.ref(), out);
             });
             const auto* text = std::get_if<std::string>(&cipher);
             return text ? "length " + std::to_string(text->size()) : described(cipher);
         }},
        {"LastInstr Start, MatchCase",
         [&](bool leftOut) {
             BString text = this->text("aXax"), sought = this->text("x");
             Variant start = optionalStart(leftOut, -1);
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->LastInstr(text.ref(), sought.ref(), leftOut ? nullptr : start.get(),
                                             optional(leftOut, kFalse), out);
             }));
         }},
        {"LastInstr Start (missing)",
         [&](bool leftOut) {
             BString text = this->text("aXax"), sought = this->text("x");
             Variant start = optionalStart(leftOut, -1);
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->LastInstr(text.ref(), sought.ref(), start.get(), nullptr, out);
             }));
         }},
        {"InstrNotInListRev Start",
         [&](bool leftOut) {
             BString text = this->text("a12"), list = this->text("0123456789");
             int32_t start = -1;
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->InstrNotInListRev(text.ref(), list.ref(), leftOut ? nullptr : &start, out);
             }));
         }},
        {"SearchArray StartElement, PartialMatch",
         [&](bool leftOut) {
             StringArray array(library(), 0, {"abc", "b", "b"});
             BString sought = this->text("b");
             int32_t startElement = 0;
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->SearchArray(array.ref(), sought.ref(), leftOut ? nullptr : &startElement,
                                               optional(leftOut, kFalse), out);
             }));
         }},
        {"ReplaceCharsAll blnCaseSense, blnWord",
         [&](bool leftOut) {
             BString text = this->text("cat Cat concat"), find = this->text("cat"), with = this->text("dog");
             return described(call<std::string>([&](LxBSTR* out) {
                 return lexmara()->ReplaceCharsAll(text.ref(), find.ref(), with.ref(), optional(leftOut, kTrue),
                                                   optional(leftOut, kFalse), out);
             }));
         }},
        {"DeDuplicate blnCaseSense",
         [&](bool leftOut) {
             BString text = this->text("aAAb"), piece = this->text("a");
             return described(call<std::string>([&](LxBSTR* out) {
                 return lexmara()->DeDuplicate(text.ref(), piece.ref(), optional(leftOut, kFalse), out);
             }));
         }},
        {"InstrWord MatchCase",
         [&](bool leftOut) {
             Variant start = Variant::longValue(library(), 1);
             BString text = this->text("cat DOG"), word = this->text("dog");
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->InstrWord(start.get(), text.ref(), word.ref(), optional(leftOut, kFalse), out);
             }));
         }},
        {"InstrWordRev Start, MatchCase",
         [&](bool leftOut) {
             BString text = this->text("Dog cat dog"), word = this->text("DOG");
             Variant start = optionalStart(leftOut, -1);
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->InstrWordRev(text.ref(), word.ref(), leftOut ? nullptr : start.get(),
                                                optional(leftOut, kFalse), out);
             }));
         }},
        {"InstrWordRev Start (missing)",
         [&](bool leftOut) {
             BString text = this->text("Dog cat dog"), word = this->text("DOG");
             Variant start = optionalStart(leftOut, -1);
             return described(call<int32_t>([&](int32_t* out) {
                 return lexmara()->InstrWordRev(text.ref(), word.ref(), start.get(), nullptr, out);
             }));
         }},
        {"WordWrap AddSplitHyphen",
         [&](bool leftOut) {
             BString text = this->text("abcdefgh ij");
             int32_t width = 4;
             StringArray lines(library(), 0, {"", "", "", ""});
             const auto count = call<int32_t>([&](int32_t* out) {
                 return lexmara()->WordWrap(text.ref(), &width, lines.ref(), optional(leftOut, kTrue), out);
             });
             return described(count, joined(lines.values()));
         }},
        {"WordWrapVar AddSplitHyphen",
         [&](bool leftOut) {
             BString text = this->text("abcdefgh ij");
             int32_t width = 4;
             VariantArray lines(library(), 0, {"", "", "", ""});
             const auto count = call<int32_t>([&](int32_t* out) {
                 return lexmara()->WordWrapVar(text.ref(), &width, lines.ref(), optional(leftOut, kTrue), out);
             });
             return described(count, joined(lines.values()));
         }},
        {"WordDelete RemoveDoubleBlanks",
         [&](bool leftOut) {
             BString text = this->text("THIS IS A TEST");
             return described(call<std::string>(
                 [&](LxBSTR* out) { return lexmara()->WordDelete(text.ref(), 2, optional(leftOut, kFalse), out); }));
         }},
        {"PadAlignString intAlign, PadChar",
         [&](bool leftOut) {
             BString text = this->text("ab"), pad = this->text(" ");
             int32_t width = 5;
             int16_t alignment = 0;
             return described(call<std::string>([&](LxBSTR* out) {
                 return lexmara()->PadAlignString(text.ref(), &width, leftOut ? nullptr : &alignment,
                                                  leftOut ? nullptr : pad.ref(), out);
             }));
         }},
        {"SortArrayText lLbound, lUbound",
         [&](bool leftOut) {
             StringArray array(library(), 0, {"c", "B", "a"});
             int32_t lo = -1, hi = -1;
             const auto status = call<int16_t>([&](int16_t* out) {
                 return lexmara()->SortArrayText(array.ref(), leftOut ? nullptr : &lo, leftOut ? nullptr : &hi, out);
             });
             return described(status, joined(array.values()));
         }},
        {"SortArrayBinaryDescending lUbound",
         [&](bool leftOut) {
             StringArray array(library(), 0, {"a", "c", "b"});
             int32_t lo = 1, hi = -1;
             const auto status = call<int16_t>([&](int16_t* out) {
                 return lexmara()->SortArrayBinaryDescending(array.ref(), &lo, leftOut ? nullptr : &hi, out);
             });
             return described(status, joined(array.values()));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        const std::string withDefault = c.call(false);
        EXPECT_EQ(c.call(true), withDefault);
        EXPECT_EQ(withDefault.find("error"), std::string::npos) << withDefault;
    }
}

} // namespace
