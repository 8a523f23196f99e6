#include "lexmara/Registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexmara {

// ---- the in-memory registry ---------------------------------------------------------

Registry Registry::parse(std::string_view text)
{
    Registry registry;
    Key* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string_view path = line.substr(1, line.size() - 2);
            current = registry.find(path);
            if (!current)
                current = &registry.keys_.emplace_back(Key{std::string(path), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        try {
            registry.setValue(current->path, line.substr(0, equals), line.substr(equals + 1));
        } catch (const std::invalid_argument&) {
            // A line that no write of ours produces: skipped.
        }
    }
    return registry;
}

std::string Registry::serialize() const
{
    std::string text;
    for (const Key& key : keys_) {
        if (!text.empty())
            text += '\n';
        text += '[' + key.path + "]\n";
        for (const auto& [name, value] : key.values)
            text += name + '=' + value + '\n';
    }
    return text;
}

Registry::Key* Registry::find(std::string_view path)
{
    for (Key& key : keys_)
        if (key.path == path)
            return &key;
    return nullptr;
}

const Registry::Key* Registry::find(std::string_view path) const { return const_cast<Registry*>(this)->find(path); }

std::optional<std::string> Registry::value(std::string_view key, std::string_view name) const
{
    if (const Key* found = find(key))
        for (const auto& [valueName, value] : found->values)
            if (valueName == name)
                return value;
    return std::nullopt;
}

void Registry::setValue(std::string_view key, std::string_view name, std::string_view value)
{
    const auto breaksLine = [](std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; };
    if (key.empty() || breaksLine(key) || key.find_first_of("[]") != std::string_view::npos || name.empty()
        || breaksLine(name) || name.find('=') != std::string_view::npos || name.front() == '[' || name.front() == ';'
        || breaksLine(value))
        throw std::invalid_argument("registry entry cannot be stored: " + std::string(key));
    Key* found = find(key);
    if (!found)
        found = &keys_.emplace_back(Key{std::string(key), {}});
    for (auto& [valueName, existing] : found->values)
        if (valueName == name) {
            existing = value;
            return;
        }
    found->values.emplace_back(std::string(name), std::string(value));
}

void Registry::removeKey(std::string_view key)
{
    std::erase_if(keys_, [&](const Key& k) { return k.path == key; });
}

// ---- the file ----------------------------------------------------------------------

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path)
{
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void makeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
            fail("cannot create folder", prefix);
        if (slash == std::string::npos)
            return;
    }
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void writeAll(int fd, std::string_view data, const std::string& path)
{
    while (!data.empty()) {
        const ssize_t written = write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write", path);
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
}

void replaceFile(const std::string& path, std::string_view contents)
{
    std::string temporary = path + ".XXXXXX";
    const FileDescriptor fd(mkstemp(temporary.data()));
    if (fd.get() < 0)
        fail("cannot create", temporary);
    try {
        writeAll(fd.get(), contents, temporary);
        if (fchmod(fd.get(), 0644) != 0 || fsync(fd.get()) != 0)
            fail("cannot write", temporary);
        if (rename(temporary.c_str(), path.c_str()) != 0)
            fail("cannot replace", path);
    } catch (...) {
        unlink(temporary.c_str());
        throw;
    }
}

} // namespace

std::string registryFilePath()
{
    if (const char* path = std::getenv(kRegistryVariable); path && *path)
        return path;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/lexmara/registry.ini";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/lexmara/registry.ini";
}

Registry readRegistryFile(const std::string& path)
{
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return {};
        fail("cannot open", path);
    }
    std::string text;
    char chunk[4096];
    for (;;) {
        const ssize_t got = read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot read", path);
        }
        if (got == 0)
            return Registry::parse(text);
        text.append(chunk, static_cast<size_t>(got));
    }
}

void updateRegistryFile(const std::string& path, const std::function<void(Registry&)>& change)
{
    const std::string folder = folderOf(path);
    makeFolders(folder);
    // The lock is on the folder, since the file itself is replaced by each write.
    const FileDescriptor lock(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lock.get() < 0)
        fail("cannot open folder", folder);
    while (flock(lock.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            fail("cannot lock folder", folder);
    Registry registry = readRegistryFile(path);
    change(registry);
    replaceFile(path, registry.serialize());
}

} // namespace lexmara
