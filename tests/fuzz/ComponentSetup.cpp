// Part of each fuzz program that calls the string component through gLexmara, as the
// program does: before the first input, the liblexmara.so beside the fuzz program is
// registered in a registry file of its own (LEXMARA_REGISTRY) and gLexmara creates its
// object, so that the library is loaded, and its coverage seen, from the start.
#include "FuzzSupport.h"

#include "common/Lexmara.h"

#include <lexmara/Client.h>
#include <lexmara/Registry.h>

#include <filesystem>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::filesystem::path folder = std::filesystem::canonical("/proc/self/exe").parent_path();
    setenv(lexmara::kRegistryVariable, (folder / "fuzz-registry.ini").c_str(), 1);
    const lexmara::ComponentLibrary& library = lexmara::ComponentLibrary::open((folder / "liblexmara.so").string());
    library.check(library.registerServer());
    gLexmara.ItemCount("", "");
    fuzz::require(gLexmara.isCreated(), "the component object is created");
    return 0;
}
