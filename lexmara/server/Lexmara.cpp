#include "Lexmara.h"

#include <algorithm>

namespace lexmara::server {

HRESULT Lexmara::QueryInterface(const GUID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    // Every earlier version of the interface is served by the current one.
    const bool known = iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__Lexmara
        || std::find(kEarlierLexmaraIids.begin(), kEarlierLexmaraIids.end(), iid) != kEarlierLexmaraIids.end();
    if (!known)
        return E_NOINTERFACE;
    AddRef();
    *object = static_cast<_Lexmara*>(this);
    return S_OK;
}

uint32_t Lexmara::AddRef() { return references_.add(); }

uint32_t Lexmara::Release()
{
    const uint32_t left = references_.release();
    if (left == 0)
        delete this;
    return left;
}

HRESULT Lexmara::GetTypeInfoCount(uint32_t* count)
{
    if (!count)
        return E_POINTER;
    *count = 0; // no type information: callers bind through the vtable
    return S_OK;
}

} // namespace lexmara::server
