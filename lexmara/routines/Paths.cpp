#include "Paths.h"

#include "VbError.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexmara {

namespace {

// "*" and "?" as the platform's file search reads them; every other character stands
// for itself.
bool matchesWildcards(std::string_view name, std::string_view pattern)
{
    size_t n = 0, p = 0;
    size_t starAt = std::string_view::npos, resumeName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeName = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// A path that is not there finds nothing; any other failure is the search's error.
bool isVisibleOrdinaryFile(const std::string& folder, std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return false;
    struct stat status {};
    if (::stat((folder + '/' + std::string(name)).c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return false;
        raise(kPathFileAccess);
    }
    return S_ISREG(status.st_mode);
}

} // namespace

std::string addBackSlash(std::string_view path)
{
    if (path.empty() || path.back() == '\\')
        return std::string(path);
    return std::string(path) + '\\';
}

std::string_view deBackSlash(std::string_view path)
{
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

std::string configuredFolder(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string createTemporaryFile(std::string_view prefix)
{
    prefix = prefix.substr(0, 3);
    if (prefix.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
        return {};
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        return {};
    std::string path = (folder / (std::string(prefix) + "XXXXXX.TMP")).string();
    const int descriptor = ::mkstemps(path.data(), 4);
    if (descriptor < 0)
        return {};
    ::close(descriptor);
    return path;
}

bool fileExists(std::string_view pattern)
{
    if (pattern.empty() || pattern.find('\0') != std::string_view::npos)
        return false;
    const size_t slash = pattern.rfind('/');
    const std::string folder = slash == std::string_view::npos ? "."
        : slash == 0                                           ? "/"
                                                               : std::string(pattern.substr(0, slash));
    const std::string_view namePattern = slash == std::string_view::npos ? pattern : pattern.substr(slash + 1);
    if (namePattern.find_first_of("*?") == std::string_view::npos)
        return isVisibleOrdinaryFile(folder, namePattern);

    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing) {
        if (errno == ENOENT || errno == ENOTDIR)
            return false;
        raise(kPathFileAccess);
    }
    while (const dirent* entry = ::readdir(listing.get()))
        if (matchesWildcards(entry->d_name, namePattern) && isVisibleOrdinaryFile(folder, entry->d_name))
            return true;
    return false;
}

} // namespace lexmara
