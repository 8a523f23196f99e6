// Text filters.
#include "Lexmara.h"

#include "../routines/Filters.h"
#include "../routines/Numbers.h"

namespace lexmara::server {

HRESULT Lexmara::TrimUnprintable(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& trimmed = server::result(result);
        trimmed = newString(trimUnprintable(textArgument(StrIn)));
    });
}

HRESULT Lexmara::FilterString(LxBSTR* StrIn, LxBSTR* ValidChars, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& kept = server::result(result);
        kept = newString(keepCharacters(textArgument(StrIn), textArgument(ValidChars)));
    });
}

HRESULT Lexmara::FilterNumber(LxBSTR* text, LxBOOL* TrimZeroes, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& number = server::result(result);
        number = newString(filterNumber(textArgument(text), argument(TrimZeroes) != LX_FALSE));
    });
}

} // namespace lexmara::server
