// Strip routines.
#include "Lexmara.h"

#include "../routines/Strip.h"

namespace lexmara::server {

HRESULT Lexmara::StripCharacter(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& stripped = server::result(result);
        stripped = newString(stripCharacter(textArgument(StrIn), textArgument(strStrip)));
    });
}

HRESULT Lexmara::StripString(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& stripped = server::result(result);
        stripped = newString(stripString(textArgument(StrIn), textArgument(strStrip)));
    });
}

HRESULT Lexmara::StripCharList(LxBSTR* StrIn, LxBSTR* strStripList, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& stripped = server::result(result);
        stripped = newString(stripCharList(textArgument(StrIn), textArgument(strStripList)));
    });
}

} // namespace lexmara::server
