// The UK postcode check.
#include "Lexmara.h"

#include "../routines/Postcode.h"

namespace lexmara::server {

HRESULT Lexmara::IsPostcodeUK(LxBSTR* StrIn, LxBOOL* result)
{
    return guarded(kSource, [&] {
        LxBOOL& found = server::result(result);
        found = isPostcodeUK(state_.Postcode, textArgument(StrIn)) ? LX_TRUE : LX_FALSE;
    });
}

} // namespace lexmara::server
