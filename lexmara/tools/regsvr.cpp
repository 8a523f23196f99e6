// lexmara-regsvr [-u] <library>: registers a component library (or, with -u, removes
// its registration) in the registry file, by calling the library's own entry point.
#include "lexmara/Client.h"
#include "lexmara/Registry.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    const bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 && !unregister) {
        std::cerr << "usage: lexmara-regsvr [-u] <library>\n";
        return 2;
    }
    const std::string path = argv[argc - 1];
    try {
        const auto& library = lexmara::ComponentLibrary::open(path);
        library.check(unregister ? library.unregisterServer() : library.registerServer());
    } catch (const lexmara::ComponentError& e) {
        std::cerr << "lexmara-regsvr: " << path << ": " << e.info().description << " (" << e.info().number << ")\n";
        return 1;
    }
    std::cout << (unregister ? "unregistered " : "registered ") << path << " in " << lexmara::registryFilePath()
              << '\n';
    return 0;
}
