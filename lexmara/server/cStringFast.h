#pragma once
// The class cStringFast: the growing string builder as an object. A new object is
// in the state that Reset gives.
#include "Boundary.h"
#include "ComObject.h"

#include "../routines/StringBuffer.h"

#include "lexmara/Interfaces.h"

namespace lexmara::server {

class cStringFast final : public DispatchObject<_cStringFast, cStringFast> {
public:
    static constexpr const char* kSource = kProgIdStringFast;

    static bool answers(const GUID& iid) { return iid == IID__cStringFast; }

    HRESULT Concat(LxBSTR sText) override;
    HRESULT get_Value(LxBSTR* result) override;
    HRESULT put_Value(LxBSTR* Value) override;
    HRESULT Reset() override;
    HRESULT get_Length(int32_t* result) override;

private:
    StringBuffer buffer_;
};

} // namespace lexmara::server
