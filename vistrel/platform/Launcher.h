#pragma once
// Starting other programs and opening web pages in the user's browser. The real
// launcher is the window kit's (ui/DesktopServices.h).
//
// A start or a page that fails says why, so that the window that asked can tell the
// user (startFailureMessage, pageFailureMessage); the launcher itself shows nothing.
#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

struct StartResult {
    bool started = false;
    qint64 processId = 0; // 0 when not started
    // Not started because there is no such program: a path to no file, or a name
    // found nowhere on the search path.
    bool programMissing = false;
    QString failureReason; // why it did not start ("Permission denied"); empty when started

    explicit operator bool() const { return started; }
};

struct PageResult {
    bool opened = false;
    QString failureReason; // why it did not open; empty when opened

    explicit operator bool() const { return opened; }
};

class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts the program with the arguments as they are, never through a
    // shell, and does not wait for it.
    virtual StartResult startProgram(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder = {}) = 0;
    // Opens the page in the user's browser. Only http and https addresses are
    // opened; any other address is refused (refusedPage), so a text from the
    // network cannot start some other handler of the desktop.
    virtual PageResult openPage(const QUrl& page) = 0;
};

// True for the addresses openPage accepts.
bool isWebPage(const QUrl& page);

// What openPage gives for an address that is not a web page.
PageResult refusedPage();

// The failure as the user reads it: "The page <address> could not be opened: <reason>."
// and "The program <program> could not be started: <reason>.".
QString pageFailureMessage(const QString& address, const PageResult& result);
QString startFailureMessage(const QString& program, const StartResult& result);

// The launcher currently installed (see Services.h).
Launcher& launcher();

} // namespace platform
