#pragma once
// What the fuzz programs share: a property check that stops the run (so libFuzzer
// keeps the input that broke it), and the string component set up the way the
// program uses it.
#include "common/Lexmara.h"

#include <lexmara/Client.h>
#include <lexmara/Registry.h>

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

// Aborts with `what` when `holds` is false; libFuzzer reports the abort as a crash.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline QByteArray bytes(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }
inline std::string_view view(const QByteArray& text) { return {text.constData(), size_t(text.size())}; }

// Registers the liblexmara.so beside the fuzz program in a registry file of its own
// (LEXMARA_REGISTRY) and makes gLexmara create its object, so that the library is
// loaded, and its coverage seen, before the first input runs.
inline void setUpComponent()
{
    const std::filesystem::path folder = std::filesystem::canonical("/proc/self/exe").parent_path();
    setenv(lexmara::kRegistryVariable, (folder / "fuzz-registry.ini").c_str(), 1);
    const lexmara::ComponentLibrary& library = lexmara::ComponentLibrary::open((folder / "liblexmara.so").string());
    library.check(library.registerServer());
    gLexmara.ItemCount("", "");
    require(gLexmara.isCreated(), "the component object is created");
}

} // namespace fuzz
