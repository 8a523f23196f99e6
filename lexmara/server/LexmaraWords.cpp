// Word routines.
#include "Arrays.h"
#include "Lexmara.h"

#include "../routines/Variant.h"
#include "../routines/Words.h"

#include <vector>

namespace lexmara::server {

namespace {

strings::Compare comparisonFor(LxBOOL* MatchCase)
{
    return optionalArgument(MatchCase, LX_FALSE) != LX_FALSE ? strings::Compare::Binary : strings::Compare::Text;
}

void assignText(LxBSTR& element, std::string_view text) { replaceString(element, text); }

void assignText(LxVARIANT& element, std::string_view text)
{
    LxBSTR copy = newString(text);
    if (element.vt == LX_VT_BSTR)
        freeString(element.bstrVal);
    element = LxVARIANT{};
    element.vt = LX_VT_BSTR;
    element.bstrVal = copy;
}

// Lines go to indexes 0, 1, 2 ... of the caller's array, and every later element is
// emptied. An array without an element 0, or with fewer elements than lines, raises
// error 9 once the lines that fit are written.
template <class Element>
int32_t wrapInto(LxSAFEARRAY** ResultArray, LxVarType elementType, const std::vector<std::string>& lines)
{
    LxSAFEARRAY* array = argument(ResultArray);
    const std::span<Element> elements = elementsOf<Element>(array, elementType);
    const int64_t first = -int64_t{array->lLbound}; // the offset of index 0
    if (first < 0 || first >= static_cast<int64_t>(elements.size()))
        raise(kSubscriptOutOfRange);
    const std::span<Element> fromZero = elements.subspan(static_cast<size_t>(first));
    for (size_t i = 0; i < fromZero.size(); ++i)
        assignText(fromZero[i], i < lines.size() ? std::string_view(lines[i]) : std::string_view());
    if (lines.size() > fromZero.size())
        raise(kSubscriptOutOfRange);
    return static_cast<int32_t>(lines.size());
}

template <class Element>
HRESULT wrapMember(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen, int32_t* result,
                   LxVarType elementType)
{
    return guarded(Lexmara::kSource, [&] {
        int32_t& count = server::result(result);
        const std::vector<std::string> lines =
            wrapLines(textArgument(StrIn), argument(WrapLen), optionalArgument(AddSplitHyphen, LX_TRUE) != LX_FALSE);
        count = wrapInto<Element>(ResultArray, elementType, lines);
    });
}

} // namespace

HRESULT Lexmara::WordCount(LxBSTR* StrIn, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& count = server::result(result);
        count = wordCount(textArgument(StrIn));
    });
}

HRESULT Lexmara::WordPos(LxBSTR* StrIn, int32_t* intWordNo, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        position = wordPos(textArgument(StrIn), argument(intWordNo));
    });
}

HRESULT Lexmara::WordPosLen(LxBSTR* StrIn, int32_t* intWordNo, int16_t* result)
{
    return guarded(kSource, [&] {
        int16_t& size = server::result(result);
        size = wordPosLen(textArgument(StrIn), argument(intWordNo));
    });
}

HRESULT Lexmara::InstrWord(LxVARIANT* Start, LxBSTR* String1, LxBSTR* String2, LxBOOL* MatchCase, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        position = instrWord(variantLong(argument(Start)), textArgument(String1), textArgument(String2),
                             comparisonFor(MatchCase));
    });
}

HRESULT Lexmara::InstrWordRev(LxBSTR* String1, LxBSTR* String2, LxVARIANT* Start, LxBOOL* MatchCase, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        const int32_t end = !Start || isMissing(*Start) ? -1 : variantLong(*Start);
        position = instrWordRev(textArgument(String1), textArgument(String2), end, comparisonFor(MatchCase));
    });
}

HRESULT Lexmara::WordWrap(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                          int32_t* result)
{
    return wrapMember<LxBSTR>(StrIn, WrapLen, ResultArray, AddSplitHyphen, result, LX_VT_BSTR);
}

HRESULT Lexmara::WordWrapVar(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                             int32_t* result)
{
    return wrapMember<LxVARIANT>(StrIn, WrapLen, ResultArray, AddSplitHyphen, result, LX_VT_VARIANT);
}

HRESULT Lexmara::Word(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& picked = server::result(result);
        picked = newString(word(textArgument(StrIn), argument(lngPosition)));
    });
}

HRESULT Lexmara::WordDelete(LxBSTR* StrIn, int32_t WordNum, LxBOOL* RemoveDoubleBlanks, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& rest = server::result(result);
        rest = newString(
            wordDelete(textArgument(StrIn), WordNum, optionalArgument(RemoveDoubleBlanks, LX_FALSE) != LX_FALSE));
    });
}

HRESULT Lexmara::WordFind(LxBSTR* StrIn, LxBSTR strWord, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        position = wordFind(textArgument(StrIn), lxView(strWord));
    });
}

} // namespace lexmara::server
