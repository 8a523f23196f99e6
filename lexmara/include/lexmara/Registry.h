#pragma once
// The registry file: a text file of the project's own in which components are
// registered, standing in for the platform's registry. Keys are paths such as
// "CLSID\{...}\InprocServer32"; each holds named values, its default value under "@":
//
//   [CLSID\{481955A5-2071-11D4-AA43-00201834762B}\InprocServer32]
//   @=/opt/vistrel/liblexmara.so
//   ThreadingModel=Apartment
//
// Keys and values keep the order in which they were first written, so a change that
// is undone leaves the file byte for byte as it was.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexmara {

class Registry {
public:
    static constexpr std::string_view kDefaultValue = "@";

    static Registry parse(std::string_view text);
    std::string serialize() const;

    std::optional<std::string> value(std::string_view key, std::string_view name = kDefaultValue) const;
    // Throws std::invalid_argument for a key or value that the file cannot hold
    // (line breaks, brackets in a key, "=" in a name).
    void setValue(std::string_view key, std::string_view name, std::string_view value);
    void removeKey(std::string_view key);

private:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, std::string>> values;
    };
    Key* find(std::string_view path);
    const Key* find(std::string_view path) const;

    std::vector<Key> keys_;
};

// The environment variable that names the registry file.
inline constexpr const char* kRegistryVariable = "LEXMARA_REGISTRY";

// Where the registry file lives: $LEXMARA_REGISTRY, else "registry.ini" in the user's
// configuration folder ($XDG_CONFIG_HOME/lexmara, else $HOME/.config/lexmara).
std::string registryFilePath();

// The registry in the file; an absent file is an empty registry. Throws
// std::runtime_error when the file exists but cannot be read.
Registry readRegistryFile(const std::string& path);

// Reads the file, applies `change` and writes the result back, holding a lock on the
// file's folder meanwhile so that concurrent registrations do not lose each other's
// entries. The file is replaced atomically (a temporary file renamed over it); the
// folder is created when missing. Throws std::runtime_error when that fails.
void updateRegistryFile(const std::string& path, const std::function<void(Registry&)>& change);

} // namespace lexmara
