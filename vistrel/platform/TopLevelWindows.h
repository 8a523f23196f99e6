#pragma once
// Whether a process owns a top-level window: the main window a started player shows
// for as long as it runs.
//
// On X11 a window names its process in its _NET_WM_PID property. While a window
// manager runs (one that announces itself through _NET_SUPPORTING_WM_CHECK), the
// top-level windows are those of its _NET_CLIENT_LIST, since it moves them into frames
// of its own; without one they are the root window's mapped children, less the popups
// that bypass a window manager (override-redirect). Either way a window counts only
// when it has a title and no owner (WM_TRANSIENT_FOR), as an application's main window
// has; dialogs and nameless helper windows do not keep a process "on screen".
//
// Without an X display (DISPLAY empty, or no server answering there) no window can be
// looked at, and a process counts as owning a window while it is alive. Every answer
// says which of these ways gave it.
#include <QByteArray>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace platform {

enum class WindowLookup {
    ClientList,   // the window manager's client list
    RootChildren, // the root window's mapped children, no window manager running
    ProcessAlive, // no display: the process being alive stands in for its window
};

// A short English name of the way, for logs and notes ("client list").
const char* windowLookupName(WindowLookup lookup);

struct WindowAnswer {
    bool found = false;
    WindowLookup lookup = WindowLookup::ProcessAlive;
};

class TopLevelWindows {
public:
    // The display named by the environment variable DISPLAY.
    TopLevelWindows();
    // The display of that name (":1"); an empty name means no display.
    explicit TopLevelWindows(QByteArray displayName);
    ~TopLevelWindows();

    TopLevelWindows(const TopLevelWindows&) = delete;
    TopLevelWindows& operator=(const TopLevelWindows&) = delete;

    // Whether the process owns a titled top-level window without an owner. Process
    // numbers below 1 or beyond the platform's range own none. Nothing when the X
    // connection broke during the lookup; the next lookup connects afresh (and falls
    // back to the process being alive if the display has gone).
    //
    // The connection is opened at the first lookup and kept between lookups.
    std::optional<WindowAnswer> ownsWindow(qint64 processId);

private:
    class Connection;

    QByteArray displayName_;
    std::unique_ptr<Connection> connection_;
};

// Whether the process runs: it exists and has not ended (a process that has ended but
// whose parent has not collected it yet counts as ended). False below 1 and beyond the
// platform's range of process numbers.
bool processAlive(qint64 processId);

} // namespace platform
