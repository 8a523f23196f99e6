// Delimited fields and items.
#include "Lexmara.h"

#include "../routines/Delimited.h"
#include "../routines/Variant.h"

namespace lexmara::server {

HRESULT Lexmara::GetDelimited(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& field = server::result(result);
        field = newString(getDelimited(textArgument(StrIn), argument(lngPosition), textArgument(strDelimiter)));
    });
}

HRESULT Lexmara::GetDelimitedEx(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter, LxBSTR* strDelimiter2,
                                LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& field = server::result(result);
        LxBSTR& text = argument(StrIn);
        const int32_t position = argument(lngPosition);
        const std::string_view delimiter = textArgument(strDelimiter);
        const std::string_view quote = textArgument(strDelimiter2);
        if (delimiter.empty() || quote.empty())
            return;
        // The caller's text is rewritten with the separators, as the next call will find it.
        replaceString(text, quoteDelimiters(lxView(text), delimiter, quote));
        field = newString(getDelimited(lxView(text), position, "|"));
    });
}

HRESULT Lexmara::ItemCount(LxBSTR* l_StrIn, LxBSTR* l_strItemToCount, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& count = server::result(result);
        count = itemCount(textArgument(l_StrIn), textArgument(l_strItemToCount));
    });
}

HRESULT Lexmara::Pluck(LxVARIANT* strInput, LxVARIANT* strDelim1, LxVARIANT* strDelim2, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& plucked = server::result(result);
        std::string converted[3];
        const std::string_view text = variantTextView(argument(strInput), converted[0]);
        const std::string_view first = variantTextView(argument(strDelim1), converted[1]);
        const std::string_view second = variantTextView(argument(strDelim2), converted[2]);
        plucked = newString(pluck(text, first, second));
    });
}

HRESULT Lexmara::NumMatches(LxBSTR StrIn, LxBSTR Match, LxVARIANT* iCompare, int32_t* result)
{
    return guarded(kSource, [&] {
        int32_t& count = server::result(result);
        const int32_t compare = !iCompare || isMissing(*iCompare) ? 0 : variantLong(*iCompare);
        if (compare != 0 && compare != 1)
            raise(kInvalidCall);
        count =
            numMatches(lxView(StrIn), lxView(Match), compare == 0 ? strings::Compare::Binary : strings::Compare::Text);
    });
}

} // namespace lexmara::server
