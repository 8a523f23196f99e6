// Proper case.
#include "Lexmara.h"

#include "../routines/ProperCase.h"

namespace lexmara::server {

HRESULT Lexmara::ProperCase(LxBSTR StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& cased = server::result(result);
        cased = newString(properCase(lxView(StrIn), state_.ProperCaseRules, properCaseRuleFiles()));
    });
}

} // namespace lexmara::server
