#include "Lexmara.h"

#include <algorithm>

namespace lexmara::server {

bool Lexmara::answers(const GUID& iid)
{
    return iid == IID__Lexmara
        || std::find(kEarlierLexmaraIids.begin(), kEarlierLexmaraIids.end(), iid) != kEarlierLexmaraIids.end();
}

} // namespace lexmara::server
