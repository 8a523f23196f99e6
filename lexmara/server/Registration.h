#pragma once
// What registering the library writes into the registry file, and its removal.
#include "lexmara/Registry.h"

#include <string>

namespace lexmara::server {

// Writes both classes (identifier, the library's path, threading model, program
// identifier), the program identifiers, the type library and the interfaces.
void registerLibrary(Registry& registry, const std::string& libraryPath);
// Removes exactly the keys that registerLibrary writes.
void unregisterLibrary(Registry& registry);

} // namespace lexmara::server
