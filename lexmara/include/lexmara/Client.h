#pragma once
// What a caller needs to create and call the library's objects: the loader that finds
// a class in the registry file and loads its library with dlopen, and small owners for
// the library's strings, variants and interface pointers.
#include "lexmara/Automation.h"
#include "lexmara/Component.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace lexmara {

struct ErrorInfo {
    int number = 0;
    std::string source;
    std::string description;
};

// A failure seen by a caller: the error behind a failing status, or a class that
// cannot be created (number 429).
class ComponentError : public std::runtime_error {
public:
    explicit ComponentError(ErrorInfo info) : std::runtime_error(info.description), info_(std::move(info)) {}
    const ErrorInfo& info() const noexcept { return info_; }

private:
    ErrorInfo info_;
};

// One loaded component library and its exports. A library is loaded once per process
// and never unloaded, so interface pointers into it stay valid for the whole run.
class ComponentLibrary {
public:
    // The library at `path`, loaded on the first request; throws ComponentError 429
    // when it does not load or lacks an entry point.
    static const ComponentLibrary& open(const std::string& path);

    const std::string& path() const { return path_; }
    HRESULT getClassObject(const GUID& clsid, const GUID& iid, void** object) const;
    HRESULT canUnloadNow() const;
    HRESULT registerServer() const;
    HRESULT unregisterServer() const;

    // A library string holding `text`; throws std::bad_alloc when the library has no memory.
    LxBSTR allocString(std::string_view text) const;
    void freeString(LxBSTR text) const;

    // The error behind a failing status: the record the failing call left, else one
    // made from the status itself.
    ErrorInfo errorFor(HRESULT status) const;
    // Throws ComponentError with errorFor(status) when the status is a failure.
    void check(HRESULT status) const;

    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

private:
    explicit ComponentLibrary(std::string path);

    std::string path_;
    HRESULT (*getClassObject_)(const GUID*, const GUID*, void**) = nullptr;
    HRESULT (*canUnloadNow_)() = nullptr;
    HRESULT (*registerServer_)() = nullptr;
    HRESULT (*unregisterServer_)() = nullptr;
    LxBSTR (*allocString_)(const char*, uint32_t) = nullptr;
    void (*freeString_)(LxBSTR) = nullptr;
    HRESULT (*getErrorInfo_)(LxErrorRecord*) = nullptr;
};

// Owns one library string. ref() serves as a by-reference argument, which the callee
// may replace, and as an out parameter.
class BString {
public:
    explicit BString(const ComponentLibrary& library, std::string_view text = {})
        : library_(&library), text_(text.empty() ? nullptr : library.allocString(text))
    {
    }
    ~BString() { library_->freeString(text_); }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;

    LxBSTR get() const { return text_; }
    LxBSTR* ref() { return &text_; }
    std::string_view view() const { return lxView(text_); }
    std::string str() const { return std::string(view()); }

private:
    const ComponentLibrary* library_;
    LxBSTR text_;
};

// Owns one variant (and the string it may hold).
class Variant {
public:
    explicit Variant(const ComponentLibrary& library) : library_(&library), value_{} {}
    static Variant text(const ComponentLibrary& library, std::string_view text);
    static Variant longValue(const ComponentLibrary& library, int32_t value);
    // The value of an optional argument that the caller leaves out.
    static Variant missing(const ComponentLibrary& library);
    ~Variant() { clear(); }
    Variant(Variant&& other) noexcept : library_(other.library_), value_(other.value_) { other.value_ = {}; }
    Variant& operator=(Variant&&) = delete;

    LxVARIANT* get() { return &value_; }
    const LxVARIANT& value() const { return value_; }
    void clear();

private:
    const ComponentLibrary* library_;
    LxVARIANT value_;
};

// Owns one reference to an interface.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference that the caller already holds.
    static ComPtr adopt(Interface* pointer)
    {
        ComPtr owner;
        owner.pointer_ = pointer;
        return owner;
    }
    ComPtr(const ComPtr& other) : pointer_(other.pointer_)
    {
        if (pointer_)
            pointer_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset()
    {
        if (Interface* pointer = std::exchange(pointer_, nullptr))
            pointer->Release();
    }
    // Hands the reference over to the caller.
    Interface* detach() { return std::exchange(pointer_, nullptr); }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

template <class Interface>
struct Instance {
    const ComponentLibrary* library = nullptr;
    ComPtr<Interface> object;
};

// Creates an object of the class that the registry file (registryFilePath()) lists
// under `clsid`, loading its library, and returns its interface `iid` with a reference
// for the caller. Throws ComponentError 429 when the class is not registered, its
// library does not load or the object cannot be created.
void* createInstance(const GUID& clsid, const GUID& iid, const ComponentLibrary** library);

template <class Interface>
Instance<Interface> createInstance(const GUID& clsid, const GUID& iid)
{
    Instance<Interface> instance;
    void* object = createInstance(clsid, iid, &instance.library);
    instance.object = ComPtr<Interface>::adopt(static_cast<Interface*>(object));
    return instance;
}

} // namespace lexmara
