#include "cStringFast.h"

namespace lexmara::server {

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
