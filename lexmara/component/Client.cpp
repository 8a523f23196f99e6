#include "lexmara/Client.h"

#include "lexmara/ErrorNumbers.h"
#include "lexmara/Registry.h"

#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
#include <new>

namespace lexmara {

namespace {

[[noreturn]] void cannotCreate(const std::string& why)
{
    throw ComponentError(
        {kCannotCreateObject, "lexmara", std::string(standardDescription(kCannotCreateObject)) + ": " + why});
}

template <class Function>
void resolve(void* handle, const char* name, Function& function, const std::string& path)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function)
        cannotCreate(path + " has no entry point " + name);
}

std::string takeString(const ComponentLibrary& library, LxBSTR text)
{
    std::string copy(lxView(text));
    library.freeString(text);
    return copy;
}

} // namespace

ComponentLibrary::ComponentLibrary(std::string path) : path_(std::move(path)) {}

const ComponentLibrary& ComponentLibrary::open(const std::string& path)
{
    // Kept until the process ends, like the libraries themselves.
    static auto* libraries = new std::map<std::string, std::unique_ptr<ComponentLibrary>>;
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    if (auto found = libraries->find(path); found != libraries->end())
        return *found->second;

    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        cannotCreate("cannot load " + path + ": " + (why ? why : "unknown reason"));
    }
    std::unique_ptr<ComponentLibrary> library(new ComponentLibrary(path));
    resolve(handle, "DllGetClassObject", library->getClassObject_, path);
    resolve(handle, "DllCanUnloadNow", library->canUnloadNow_, path);
    resolve(handle, "DllRegisterServer", library->registerServer_, path);
    resolve(handle, "DllUnregisterServer", library->unregisterServer_, path);
    resolve(handle, "LxSysAllocStringLen", library->allocString_, path);
    resolve(handle, "LxSysFreeString", library->freeString_, path);
    resolve(handle, "LxGetErrorInfo", library->getErrorInfo_, path);
    return *libraries->emplace(path, std::move(library)).first->second;
}

HRESULT ComponentLibrary::getClassObject(const GUID& clsid, const GUID& iid, void** object) const
{
    return getClassObject_(&clsid, &iid, object);
}

HRESULT ComponentLibrary::canUnloadNow() const { return canUnloadNow_(); }
HRESULT ComponentLibrary::registerServer() const { return registerServer_(); }
HRESULT ComponentLibrary::unregisterServer() const { return unregisterServer_(); }

LxBSTR ComponentLibrary::allocString(std::string_view text) const
{
    if (text.size() > INT32_MAX)
        throw std::bad_alloc();
    LxBSTR copy = allocString_(text.data(), static_cast<uint32_t>(text.size()));
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

void ComponentLibrary::freeString(LxBSTR text) const { freeString_(text); }

ErrorInfo ComponentLibrary::errorFor(HRESULT status) const
{
    LxErrorRecord record{};
    if (getErrorInfo_(&record) == S_OK)
        return {record.number, takeString(*this, record.source), takeString(*this, record.description)};
    int number = status;
    if ((static_cast<uint32_t>(status) & 0xFFFF0000u) == static_cast<uint32_t>(kErrorFacility))
        number = status & 0xFFFF;
    else if (status == E_OUTOFMEMORY)
        number = kOutOfMemory;
    else if (status == E_NOTIMPL)
        number = kNotSupported;
    else if (status == E_POINTER || status == E_INVALIDARG)
        number = kInvalidCall;
    const std::string description = number == status ? "Automation error" : std::string(standardDescription(number));
    return {number, "lexmara", description};
}

void ComponentLibrary::check(HRESULT status) const
{
    if (failed(status))
        throw ComponentError(errorFor(status));
}

Variant Variant::text(const ComponentLibrary& library, std::string_view text)
{
    Variant variant(library);
    variant.value_.vt = LX_VT_BSTR;
    variant.value_.bstrVal = text.empty() ? nullptr : library.allocString(text);
    return variant;
}

Variant Variant::longValue(const ComponentLibrary& library, int32_t value)
{
    Variant variant(library);
    variant.value_.vt = LX_VT_I4;
    variant.value_.lVal = value;
    return variant;
}

Variant Variant::missing(const ComponentLibrary& library)
{
    Variant variant(library);
    variant.value_.vt = LX_VT_ERROR;
    variant.value_.scode = DISP_E_PARAMNOTFOUND;
    return variant;
}

void Variant::clear()
{
    if (value_.vt == LX_VT_BSTR)
        library_->freeString(value_.bstrVal);
    value_ = {};
}

void* createInstance(const GUID& clsid, const GUID& iid, const ComponentLibrary** library)
{
    const std::string registryPath = registryFilePath();
    Registry registry;
    try {
        registry = readRegistryFile(registryPath);
    } catch (const std::runtime_error& e) {
        cannotCreate(e.what());
    }
    const std::string clsidText = formatGuid(clsid);
    const auto path = registry.value("CLSID\\" + clsidText + "\\InprocServer32");
    if (!path || path->empty())
        cannotCreate("class " + clsidText + " is not registered in " + registryPath);

    const ComponentLibrary& loaded = ComponentLibrary::open(*path);
    void* factoryPointer = nullptr;
    const HRESULT found = loaded.getClassObject(clsid, IID_IClassFactory, &factoryPointer);
    if (failed(found))
        cannotCreate(*path + " does not provide class " + clsidText);
    const auto factory = ComPtr<IClassFactory>::adopt(static_cast<IClassFactory*>(factoryPointer));
    void* object = nullptr;
    const HRESULT created = factory->CreateInstance(nullptr, iid, &object);
    if (failed(created)) {
        const ErrorInfo why = loaded.errorFor(created);
        cannotCreate("class " + clsidText + " of " + *path + " gave no object: " + why.description);
    }
    *library = &loaded;
    return object;
}

} // namespace lexmara
