// Search routines.
#include "Arrays.h"
#include "Lexmara.h"

#include "../routines/Search.h"
#include "../routines/Variant.h"

namespace lexmara::server {

namespace {

StringArrayView viewOf(const LxSAFEARRAY* array)
{
    StringArrayView view;
    if (!dimensioned(array, LX_VT_BSTR))
        return view;
    view.dimensioned = true;
    view.lowerBound = array->lLbound;
    const auto* elements = static_cast<const LxBSTR*>(array->pvData);
    view.elements.reserve(array->cElements);
    for (uint32_t i = 0; i < array->cElements; ++i)
        view.elements.push_back(lxView(elements[i]));
    return view;
}

} // namespace

HRESULT Lexmara::LastInstr(LxBSTR* StrIn, LxBSTR* strInstr, LxVARIANT* Start, LxBOOL* MatchCase, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        const int32_t start = !Start || isMissing(*Start) ? -1 : variantLong(*Start);
        position = lastInstr(textArgument(StrIn), textArgument(strInstr), start,
                             optionalArgument(MatchCase, LX_FALSE) != LX_FALSE);
    });
}

HRESULT Lexmara::IsAlphaNumeric(LxBSTR* StrIn, LxBOOL* result)
{
    return guarded(kSource, [&] {
        LxBOOL& answer = server::result(result);
        answer = isAlphaNumeric(textArgument(StrIn)) ? LX_TRUE : LX_FALSE;
    });
}

HRESULT Lexmara::InstrNotInList(LxVARIANT* Start, LxBSTR* String1, LxBSTR* strCharList, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        position = instrNotInList(variantNumber(argument(Start)), textArgument(String1), textArgument(strCharList));
    });
}

HRESULT Lexmara::InstrNotInListRev(LxBSTR* String1, LxBSTR* strCharList, int32_t* Start, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& position = server::result(result);
        // A start of -1 comes back as the text's length.
        int32_t start = optionalArgument(Start, -1);
        position = instrNotInListRev(textArgument(String1), textArgument(strCharList), start);
        if (Start)
            *Start = start;
    });
}

HRESULT Lexmara::SearchArray(LxSAFEARRAY** stringArray, LxBSTR* SearchString, int32_t* StartElement,
                             LxBOOL* PartialMatch, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& index = server::result(result);
        index = searchArray(viewOf(argument(stringArray)), textArgument(SearchString),
                            optionalArgument(StartElement, 0), optionalArgument(PartialMatch, LX_FALSE) != LX_FALSE);
    });
}

} // namespace lexmara::server
