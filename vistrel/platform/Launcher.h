#pragma once
// Starting other programs and opening web pages in the user's browser. The real
// launcher is the window kit's (ui/DesktopServices.h).
#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

struct StartResult {
    bool started = false;
    qint64 processId = 0; // 0 when not started
};

class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts the program with the arguments as they are, never through a
    // shell, and does not wait for it.
    virtual StartResult startProgram(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder = {}) = 0;
    // Opens the page in the user's browser. Only http and https addresses are
    // opened; any other address is refused (false), so a text from the
    // network cannot start some other handler of the desktop.
    virtual bool openPage(const QUrl& page) = 0;
};

// True for the addresses openPage accepts.
bool isWebPage(const QUrl& page);

// The launcher currently installed (see Services.h).
Launcher& launcher();

} // namespace platform
