#pragma once
// The class cStringFast: the growing string builder as an object. A new object is
// in the state that Reset gives.
#include "Boundary.h"
#include "ComObject.h"

#include "../routines/StringBuffer.h"

#include "lexmara/Interfaces.h"

namespace lexmara::server {

class cStringFast final : public _cStringFast {
public:
    static constexpr const char* kSource = kProgIdStringFast;

    HRESULT QueryInterface(const GUID& iid, void** object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    HRESULT GetTypeInfoCount(uint32_t* count) override;
    HRESULT GetTypeInfo(uint32_t, uint32_t, LxTypeInfo**) override { return notImplemented(kSource); }
    HRESULT GetIDsOfNames(const GUID&, char**, uint32_t, uint32_t, int32_t*) override { return notImplemented(kSource); }
    HRESULT Invoke(int32_t, const GUID&, uint32_t, uint16_t, LxDispParams*, LxVARIANT*, LxExcepInfo*,
                   uint32_t*) override { return notImplemented(kSource); }

    HRESULT Concat(LxBSTR sText) override;
    HRESULT get_Value(LxBSTR* result) override;
    HRESULT put_Value(LxBSTR* Value) override;
    HRESULT Reset() override;
    HRESULT get_Length(int32_t* result) override;

private:
    ReferenceCount references_;
    StringBuffer buffer_;
};

} // namespace lexmara::server
