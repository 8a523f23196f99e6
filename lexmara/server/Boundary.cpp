#include "Boundary.h"

namespace lexmara::server {

HRESULT reportError(const char* source, const VbError& error) noexcept
{
    try {
        setErrorRecord(error.number(), error.source().empty() ? source : error.source(), error.description());
    } catch (...) {
        clearErrorRecord(); // no memory left for the record: the status alone tells
    }
    if (error.number() == kOutOfMemory)
        return E_OUTOFMEMORY;
    return kErrorFacility | (error.number() & 0xFFFF);
}

HRESULT notImplemented(const char* source) noexcept
{
    reportError(source, VbError(kNotSupported));
    return E_NOTIMPL;
}

} // namespace lexmara::server
