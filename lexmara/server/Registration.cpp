#include "Registration.h"

#include "lexmara/Interfaces.h"

#include <vector>

namespace lexmara::server {

namespace {

constexpr const char* kTypeLibraryVersion = "4.17";

struct ClassEntry {
    GUID clsid;
    const char* name;
    const char* progId;
};

constexpr ClassEntry kClasses[] = {
    {CLSID_Lexmara, "Lexmara", kProgIdLexmara},
    {CLSID_cStringFast, "cStringFast", kProgIdStringFast},
};

struct InterfaceEntry {
    GUID iid;
    std::string name;
};

std::vector<InterfaceEntry> interfaces()
{
    std::vector<InterfaceEntry> all{{IID__Lexmara, "_Lexmara"}, {IID__cStringFast, "_cStringFast"}};
    for (size_t version = 0; version < kEarlierLexmaraIids.size(); ++version)
        all.push_back({kEarlierLexmaraIids[version], "Lexmara___v" + std::to_string(version)});
    return all;
}

std::string classKey(const GUID& clsid) { return "CLSID\\" + formatGuid(clsid); }
std::string typeLibraryKey() { return "TypeLib\\" + formatGuid(LIBID_L_Lexmara) + "\\" + kTypeLibraryVersion; }
std::string interfaceKey(const GUID& iid) { return "Interface\\" + formatGuid(iid); }

} // namespace

void registerLibrary(Registry& registry, const std::string& libraryPath)
{
    const std::string libid = formatGuid(LIBID_L_Lexmara);
    for (const ClassEntry& entry : kClasses) {
        const std::string key = classKey(entry.clsid);
        registry.setValue(key, Registry::kDefaultValue, entry.name);
        registry.setValue(key + "\\InprocServer32", Registry::kDefaultValue, libraryPath);
        registry.setValue(key + "\\InprocServer32", "ThreadingModel", "Apartment");
        registry.setValue(key + "\\ProgID", Registry::kDefaultValue, entry.progId);
        registry.setValue(key + "\\TypeLib", Registry::kDefaultValue, libid);
        registry.setValue(std::string(entry.progId) + "\\CLSID", Registry::kDefaultValue, formatGuid(entry.clsid));
    }
    registry.setValue(typeLibraryKey(), Registry::kDefaultValue, "Lexmara - String Manipulation Routines");
    registry.setValue(typeLibraryKey() + "\\1033", Registry::kDefaultValue, libraryPath);
    for (const InterfaceEntry& entry : interfaces()) {
        const std::string key = interfaceKey(entry.iid);
        registry.setValue(key, Registry::kDefaultValue, entry.name);
        registry.setValue(key + "\\TypeLib", Registry::kDefaultValue, libid);
        registry.setValue(key + "\\TypeLib", "Version", kTypeLibraryVersion);
    }
}

void unregisterLibrary(Registry& registry)
{
    for (const ClassEntry& entry : kClasses) {
        const std::string key = classKey(entry.clsid);
        for (const char* sub : {"", "\\InprocServer32", "\\ProgID", "\\TypeLib"})
            registry.removeKey(key + sub);
        registry.removeKey(std::string(entry.progId) + "\\CLSID");
    }
    registry.removeKey(typeLibraryKey());
    registry.removeKey(typeLibraryKey() + "\\1033");
    for (const InterfaceEntry& entry : interfaces()) {
        registry.removeKey(interfaceKey(entry.iid));
        registry.removeKey(interfaceKey(entry.iid) + "\\TypeLib");
    }
}

} // namespace lexmara::server
