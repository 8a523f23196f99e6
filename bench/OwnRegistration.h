#pragma once
// Every benchmark program registers the string component it was built with in a
// registry file of its own, so that it runs whatever the user's registry file holds
// (or whether there is one at all). LEXMARA_REGISTRY points at that file for the run.
#include <lexmara/Client.h>
#include <lexmara/Registry.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

class OwnRegistration {
public:
    OwnRegistration()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vistrel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder for the benchmark's registry file");
        folder_ = pattern;
        setenv(lexmara::kRegistryVariable, (folder_ / "registry.ini").c_str(), 1);
        const lexmara::ComponentLibrary& library = lexmara::ComponentLibrary::open(libraryPath());
        library.check(library.registerServer());
    }
    ~OwnRegistration() { std::filesystem::remove_all(folder_); }
    OwnRegistration(const OwnRegistration&) = delete;
    OwnRegistration& operator=(const OwnRegistration&) = delete;

    // The component library built beside the benchmark programs.
    static std::string libraryPath()
    {
        return (std::filesystem::canonical("/proc/self/exe").parent_path() / "liblexmara.so").string();
    }

private:
    std::filesystem::path folder_;
};
