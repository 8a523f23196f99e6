#pragma once
// The component layer shared by the string library and its callers: identifiers,
// status codes and the three basic interfaces of an in-process component.
//
// Interfaces are abstract classes whose virtual functions stand in slot order. They
// declare no virtual destructor (it would take two slots), so with the Itanium C++ ABI
// the n-th declared function is slot n of the vtable, counting the base class's first.
// Objects are destroyed by their own Release, never through an interface pointer.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexmara {

// A status code: negative means failure.
using HRESULT = int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201);
// An optional argument that the caller left out (the value of a "missing" variant).
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = static_cast<HRESULT>(0x80020004);

// Failures that carry a run-time error number: FACILITY_CONTROL with the number below.
inline constexpr HRESULT kErrorFacility = static_cast<HRESULT>(0x800A0000);

inline constexpr bool succeeded(HRESULT hr) { return hr >= 0; }
inline constexpr bool failed(HRESULT hr) { return hr < 0; }

// A 128-bit identifier of a class, an interface or a type library.
struct GUID {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};

// The "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" form, upper-case hexadecimal.
std::string formatGuid(const GUID& id);
// Reads the braced form (either case); nothing for any other text.
std::optional<GUID> parseGuid(std::string_view text);

// Opaque types of the dispatch interface, which this layer does not implement.
struct LxTypeInfo;
struct LxDispParams;
struct LxExcepInfo;
struct LxVARIANT;

class IUnknown {
public:
    virtual HRESULT QueryInterface(const GUID& iid, void** object) = 0; // slot 0
    virtual uint32_t AddRef() = 0;                                      // slot 1
    virtual uint32_t Release() = 0;                                     // slot 2

protected:
    ~IUnknown() = default;
};

// Late binding by name. Callers of this library bind through the vtable instead,
// so its objects answer these slots with "no type information" / "not implemented".
class IDispatch : public IUnknown {
public:
    virtual HRESULT GetTypeInfoCount(uint32_t* count) = 0;                               // slot 3
    virtual HRESULT GetTypeInfo(uint32_t index, uint32_t locale, LxTypeInfo** info) = 0; // slot 4
    virtual HRESULT GetIDsOfNames(const GUID& iid, char** names, uint32_t nameCount, uint32_t locale,
                                  int32_t* dispatchIds) = 0; // slot 5
    virtual HRESULT Invoke(int32_t dispatchId, const GUID& iid, uint32_t locale, uint16_t flags, LxDispParams* params,
                           LxVARIANT* result, LxExcepInfo* exception,
                           uint32_t* argumentError) = 0; // slot 6

protected:
    ~IDispatch() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) = 0; // slot 3
    virtual HRESULT LockServer(int32_t lock) = 0;                                        // slot 4

protected:
    ~IClassFactory() = default;
};

inline constexpr GUID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

} // namespace lexmara
