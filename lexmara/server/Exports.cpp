// The library's exported C functions: the four entry points of an in-process
// component, the string allocation and the error record. Nothing else is visible.
#include "Boundary.h"
#include "ClassFactory.h"
#include "ErrorRecord.h"
#include "Lexmara.h"
#include "ModuleLock.h"
#include "Registration.h"
#include "Strings.h"
#include "cStringFast.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <stdexcept>

#define LEXMARA_EXPORT __attribute__((visibility("default")))

namespace lexmara {

namespace {

server::ClassFactory<server::Lexmara> lexmaraFactory;
server::ClassFactory<server::cStringFast> stringFastFactory;

// The library's own file, made absolute, as the registry file must name it.
std::string ownPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) || !info.dli_fname)
        throw std::runtime_error("cannot find the library's own path");
    char* absolute = realpath(info.dli_fname, nullptr);
    if (!absolute)
        throw std::runtime_error(std::string("cannot resolve ") + info.dli_fname);
    std::string path(absolute);
    std::free(absolute);
    return path;
}

// Registration failures leave a record whose description says what went wrong.
template <class Change>
HRESULT changeRegistry(Change&& change) noexcept
{
    try {
        updateRegistryFile(registryFilePath(), change);
        server::clearErrorRecord();
        return S_OK;
    } catch (const std::exception& e) {
        try {
            server::setErrorRecord(kPathFileAccess, kProgIdLexmara, e.what());
        } catch (...) {
            server::clearErrorRecord();
        }
        return SELFREG_E_CLASS;
    }
}

} // namespace

extern "C" {

LEXMARA_EXPORT HRESULT DllGetClassObject(const GUID* clsid, const GUID* iid, void** object)
{
    if (!clsid || !iid || !object)
        return E_POINTER;
    *object = nullptr;
    if (*clsid == CLSID_Lexmara)
        return lexmaraFactory.QueryInterface(*iid, object);
    if (*clsid == CLSID_cStringFast)
        return stringFastFactory.QueryInterface(*iid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

LEXMARA_EXPORT HRESULT DllCanUnloadNow() { return server::moduleInUse() ? S_FALSE : S_OK; }

LEXMARA_EXPORT HRESULT DllRegisterServer()
{
    return changeRegistry([](Registry& registry) { server::registerLibrary(registry, ownPath()); });
}

LEXMARA_EXPORT HRESULT DllUnregisterServer()
{
    return changeRegistry([](Registry& registry) { server::unregisterLibrary(registry); });
}

LEXMARA_EXPORT LxBSTR LxSysAllocStringLen(const char* characters, uint32_t length)
{
    return server::allocString(characters, length);
}

LEXMARA_EXPORT void LxSysFreeString(LxBSTR text) { server::freeString(text); }

LEXMARA_EXPORT HRESULT LxGetErrorInfo(LxErrorRecord* record) { return server::takeErrorRecord(record); }

} // extern "C"

} // namespace lexmara
