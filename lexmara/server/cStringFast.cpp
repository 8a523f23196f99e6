#include "cStringFast.h"

namespace lexmara::server {

HRESULT cStringFast::QueryInterface(const GUID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID__cStringFast)
        return E_NOINTERFACE;
    AddRef();
    *object = static_cast<_cStringFast*>(this);
    return S_OK;
}

uint32_t cStringFast::AddRef() { return references_.add(); }

uint32_t cStringFast::Release()
{
    const uint32_t left = references_.release();
    if (left == 0)
        delete this;
    return left;
}

HRESULT cStringFast::GetTypeInfoCount(uint32_t* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT cStringFast::Concat(LxBSTR sText)
{
    return guarded(kSource, [&] { buffer_.concat(lxView(sText)); });
}

HRESULT cStringFast::get_Value(LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& value = server::result(result);
        value = newString(buffer_.value());
    });
}

HRESULT cStringFast::put_Value(LxBSTR* Value)
{
    return guarded(kSource, [&] { buffer_.setValue(textArgument(Value)); });
}

HRESULT cStringFast::Reset()
{
    return guarded(kSource, [&] { buffer_.reset(); });
}

HRESULT cStringFast::get_Length(int32_t* result)
{
    return guarded(kSource, [&] { server::result(result) = buffer_.length(); });
}

} // namespace lexmara::server
