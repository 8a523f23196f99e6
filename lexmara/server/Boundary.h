#pragma once
// The boundary of every member: no exception leaves the library. A run-time error
// raised inside a member becomes a failing status and the thread's error record.
#include "ErrorRecord.h"
#include "Strings.h"

#include "../routines/VbError.h"

#include <new>
#include <string_view>

namespace lexmara::server {

// A null pointer where an argument or a result must be.
struct NullPointer {};

// The failing status for `error`, with the error record set; the record's source is
// the error's own or else `source`, the raising class's program identifier.
HRESULT reportError(const char* source, const VbError& error) noexcept;

template <class Body>
HRESULT guarded(const char* source, Body&& body) noexcept
{
    try {
        body();
        return S_OK;
    } catch (const VbError& error) {
        return reportError(source, error);
    } catch (const std::bad_alloc&) {
        return reportError(source, VbError(kOutOfMemory));
    } catch (const NullPointer&) {
        clearErrorRecord();
        return E_POINTER;
    } catch (...) {
        return reportError(source, VbError(kInternalError));
    }
}

// The status of a member that is not built: "not implemented", with its record.
HRESULT notImplemented(const char* source) noexcept;

// A by-reference argument.
template <class T>
T& argument(T* pointer)
{
    if (!pointer)
        throw NullPointer();
    return *pointer;
}

// An optional by-reference argument: a null pointer stands for its default.
template <class T>
T optionalArgument(const T* pointer, T defaultValue)
{
    return pointer ? *pointer : defaultValue;
}

inline std::string_view textArgument(LxBSTR* pointer) { return lxView(argument(pointer)); }

// The out-only result, emptied before the member works.
template <class T>
T& result(T* pointer)
{
    T& value = argument(pointer);
    value = T{};
    return value;
}

} // namespace lexmara::server
