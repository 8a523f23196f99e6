#pragma once
// The value types that cross the library boundary, in C-compatible forms, and the
// library's exported C functions. No C++ standard type crosses the boundary.
//
// Texts are 8-bit strings, one byte per character in Windows-1252; they may hold NUL.
#include "lexmara/Component.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace lexmara {

// The library's string: a pointer to the characters, with their count as a 32-bit
// unsigned number just before them and a NUL just after. A null pointer is the empty
// text. Strings are allocated and freed only through the library's exports below.
using LxBSTR = char*;

inline uint32_t lxStringLength(LxBSTR text)
{
    if (!text)
        return 0;
    uint32_t length;
    std::memcpy(&length, text - sizeof length, sizeof length);
    return length;
}

inline std::string_view lxView(LxBSTR text)
{
    return text ? std::string_view(text, lxStringLength(text)) : std::string_view();
}

// A Boolean as the interfaces pass it: True is -1, False is 0.
using LxBOOL = int16_t;
inline constexpr LxBOOL LX_TRUE = -1;
inline constexpr LxBOOL LX_FALSE = 0;

// A currency amount: a signed 64-bit integer scaled by 10000.
struct LxCY {
    int64_t scaled;
};

// Type tags of a variant (the platform's numbering).
enum LxVarType : uint16_t {
    LX_VT_EMPTY = 0,
    LX_VT_I2 = 2,
    LX_VT_I4 = 3,
    LX_VT_R8 = 5,
    LX_VT_CY = 6,
    LX_VT_BSTR = 8,
    LX_VT_ERROR = 10, // with DISP_E_PARAMNOTFOUND: an omitted optional argument
    LX_VT_BOOL = 11,
    LX_VT_VARIANT = 12, // element type of an array of variants
};

struct LxVARIANT {
    uint16_t vt;
    uint16_t reserved[3];
    union {
        int16_t iVal;
        int32_t lVal;
        double dblVal;
        LxCY cyVal;
        LxBSTR bstrVal; // owned by the variant
        HRESULT scode;
        LxBOOL boolVal;
    };
};

// A one-dimensional array with a lower bound, as arrays cross the interfaces (by
// reference: LxSAFEARRAY**). A null array or one with cDims 0 has no dimensions.
struct LxSAFEARRAY {
    uint16_t cDims;  // 0 or 1
    uint16_t vt;     // element type: LX_VT_BSTR or LX_VT_VARIANT
    int32_t lLbound; // index of the first element
    uint32_t cElements;
    void* pvData; // cElements LxBSTR or LxVARIANT
};

// The error record that a failing member leaves for its caller.
struct LxErrorRecord {
    int32_t number;
    LxBSTR source;      // freed by the caller
    LxBSTR description; // freed by the caller
};

extern "C" {
// The four entry points of an in-process component.
HRESULT DllGetClassObject(const GUID* clsid, const GUID* iid, void** object);
HRESULT DllCanUnloadNow();
HRESULT DllRegisterServer();
HRESULT DllUnregisterServer();

// A new string of `length` characters copied from `characters` (zeros when it is null);
// null when memory runs out.
LxBSTR LxSysAllocStringLen(const char* characters, uint32_t length);
void LxSysFreeString(LxBSTR text);

// Hands the calling thread's error record to the caller and clears it: S_OK with the
// record, or S_FALSE (and nothing to free) when no failure left one.
HRESULT LxGetErrorInfo(LxErrorRecord* record);
}

} // namespace lexmara
