#pragma once
// The services that tests replace: the boxes shown to the user, starting
// programs and opening pages, the settings store, the program folder, the
// product web server's address and the end of the process.
//
// services() gives the current set, the real services unless a test has put
// in its own with ScopedServices. The program sets its folder at start-up
// (applyStartupOptions, ProgramFolder.h).
#include <QString>

#include <functional>

namespace platform {

class Dialogs;
class Launcher;
class SettingsStore;

// The product web server, addressed as "http://", host and page path.
inline constexpr char kDefaultWebServerBase[] = "http://www.vistrel.example";

struct Services {
    Dialogs* dialogs = nullptr;
    Launcher* launcher = nullptr;
    SettingsStore* settings = nullptr;
    QString programFolder; // empty: the executable's folder
    QString webServerBase;
    std::function<void(int exitCode)> endProcess;
};

Services& services();

// The address of a page of the product web server, from its path ("/support.php").
QString webServerPage(const QString& path);

// Puts in a set of services for its lifetime and then brings back the set it replaced.
class ScopedServices {
public:
    explicit ScopedServices(Services replacement);
    ~ScopedServices();

    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services replaced_;
};

} // namespace platform
