#include "TopLevelWindows.h"

#include <QFile>

#include <xcb/xcb.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <signal.h>
#include <sys/types.h>
#include <vector>

namespace platform {

namespace {

bool validProcessId(qint64 processId)
{
    return processId >= 1 && processId <= std::numeric_limits<pid_t>::max();
}

// An xcb reply, freed with the C allocator as xcb wants.
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Waits for the reply to a request. An X error (a window destroyed since it was
// listed, say) leaves it empty, as a missing property would; a broken connection
// shows in xcb_connection_has_error, which the lookup checks at its end.
template <typename T, typename Cookie>
Reply<T> awaitReply(T* (*replyOf)(xcb_connection_t*, Cookie, xcb_generic_error_t**), xcb_connection_t* xcb,
                    Cookie cookie)
{
    xcb_generic_error_t* error = nullptr;
    T* reply = replyOf(xcb, cookie, &error);
    std::free(error);
    return Reply<T>(reply, &std::free);
}

// The properties the lookup reads besides the predefined ones.
enum Atom { NetSupportingWmCheck, NetClientList, NetWmPid, NetWmName, AtomCount };
constexpr std::array<const char*, AtomCount> kAtomNames = {"_NET_SUPPORTING_WM_CHECK", "_NET_CLIENT_LIST",
                                                           "_NET_WM_PID", "_NET_WM_NAME"};

// The most windows a client list may name: far beyond any desktop, and it bounds the
// one reply the lookup asks for.
constexpr uint32_t kMostClients = 65536;

} // namespace

const char* windowLookupName(WindowLookup lookup)
{
    switch (lookup) {
    case WindowLookup::ClientList: return "client list";
    case WindowLookup::RootChildren: return "root children";
    case WindowLookup::ProcessAlive: return "process alive";
    }
    return "";
}

// One open connection to the X server, with the atoms the lookup needs.
class TopLevelWindows::Connection {
public:
    // Nothing when no server answers at the display.
    static std::unique_ptr<Connection> open(const QByteArray& displayName);
    ~Connection() { xcb_disconnect(xcb_); }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Nothing when the connection broke.
    std::optional<WindowAnswer> find(qint64 processId);

private:
    Connection(xcb_connection_t* xcb, xcb_window_t root) : xcb_(xcb), root_(root) {}

    bool broken() const { return xcb_connection_has_error(xcb_) != 0; }

    xcb_get_property_cookie_t askProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                                          uint32_t longLength = 1)
    {
        return xcb_get_property(xcb_, 0, window, property, type, 0, longLength);
    }
    Reply<xcb_get_property_reply_t> property(xcb_get_property_cookie_t cookie)
    {
        return awaitReply(xcb_get_property_reply, xcb_, cookie);
    }
    // The property's 32-bit values; none when it is missing or of another kind.
    static std::vector<uint32_t> values32(const xcb_get_property_reply_t* reply)
    {
        if (!reply || reply->format != 32)
            return {};
        const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply) / 4);
    }

    bool windowManagerRunning();
    std::vector<xcb_window_t> clientList();
    std::vector<xcb_window_t> mappedRootChildren();
    std::vector<xcb_window_t> windowsOfProcess(const std::vector<xcb_window_t>& windows, qint64 processId);
    bool isTitledAndUnowned(xcb_window_t window);

    xcb_connection_t* xcb_;
    xcb_window_t root_;
    std::array<xcb_atom_t, AtomCount> atoms_{};
};

std::unique_ptr<TopLevelWindows::Connection> TopLevelWindows::Connection::open(const QByteArray& displayName)
{
    // xcb reads DISPLAY itself when given no name; an empty name must mean no display.
    if (displayName.isEmpty())
        return nullptr;
    int screenNumber = 0;
    xcb_connection_t* xcb = xcb_connect(displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(xcb)) {
        xcb_disconnect(xcb);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(xcb));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0) {
        xcb_disconnect(xcb);
        return nullptr;
    }
    std::unique_ptr<Connection> connection(new Connection(xcb, screens.data->root));

    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(xcb, 0, uint16_t(qstrlen(kAtomNames[i])), kAtomNames[i]);
    for (int i = 0; i < AtomCount; ++i) {
        const auto reply = awaitReply(xcb_intern_atom_reply, xcb, cookies[i]);
        if (!reply)
            return nullptr;
        connection->atoms_[i] = reply->atom;
    }
    return connection;
}

std::optional<WindowAnswer> TopLevelWindows::Connection::find(qint64 processId)
{
    WindowAnswer answer;
    std::vector<xcb_window_t> topLevel;
    if (windowManagerRunning()) {
        answer.lookup = WindowLookup::ClientList;
        topLevel = clientList();
    } else {
        answer.lookup = WindowLookup::RootChildren;
        topLevel = mappedRootChildren();
    }
    for (xcb_window_t window : windowsOfProcess(topLevel, processId)) {
        if (isTitledAndUnowned(window)) {
            answer.found = true;
            break;
        }
    }
    // Replies that never came read as missing properties above: only now is it clear
    // whether the answer holds.
    if (broken())
        return std::nullopt;
    return answer;
}

// A window manager names a window of its own on the root, and that window names
// itself, so a property left behind by a manager that has ended does not count.
bool TopLevelWindows::Connection::windowManagerRunning()
{
    const std::vector<uint32_t> check =
        values32(property(askProperty(root_, atoms_[NetSupportingWmCheck], XCB_ATOM_WINDOW)).get());
    if (check.empty())
        return false;
    const std::vector<uint32_t> itself =
        values32(property(askProperty(check[0], atoms_[NetSupportingWmCheck], XCB_ATOM_WINDOW)).get());
    return !itself.empty() && itself[0] == check[0];
}

std::vector<xcb_window_t> TopLevelWindows::Connection::clientList()
{
    return values32(property(askProperty(root_, atoms_[NetClientList], XCB_ATOM_WINDOW, kMostClients)).get());
}

std::vector<xcb_window_t> TopLevelWindows::Connection::mappedRootChildren()
{
    const auto tree = awaitReply(xcb_query_tree_reply, xcb_, xcb_query_tree(xcb_, root_));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());

    // All questions first, then the answers: one round trip, however many windows.
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    cookies.reserve(count);
    for (int i = 0; i < count; ++i)
        cookies.push_back(xcb_get_window_attributes(xcb_, children[i]));
    std::vector<xcb_window_t> mapped;
    for (int i = 0; i < count; ++i) {
        const auto attributes = awaitReply(xcb_get_window_attributes_reply, xcb_, cookies[i]);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && !attributes->override_redirect)
            mapped.push_back(children[i]);
    }
    return mapped;
}

std::vector<xcb_window_t> TopLevelWindows::Connection::windowsOfProcess(const std::vector<xcb_window_t>& windows,
                                                                        qint64 processId)
{
    std::vector<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (xcb_window_t window : windows)
        cookies.push_back(askProperty(window, atoms_[NetWmPid], XCB_ATOM_CARDINAL));
    std::vector<xcb_window_t> owned;
    for (size_t i = 0; i < windows.size(); ++i) {
        const std::vector<uint32_t> pid = values32(property(cookies[i]).get());
        if (validProcessId(processId) && !pid.empty() && pid[0] == processId)
            owned.push_back(windows[i]);
    }
    return owned;
}

bool TopLevelWindows::Connection::isTitledAndUnowned(xcb_window_t window)
{
    const auto netName = askProperty(window, atoms_[NetWmName], XCB_GET_PROPERTY_TYPE_ANY);
    const auto name = askProperty(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
    const auto owner = askProperty(window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW);
    const auto titled = [](const xcb_get_property_reply_t* reply) {
        return reply && xcb_get_property_value_length(reply) > 0;
    };
    // Every reply is taken, so none is left queued in the connection.
    const bool hasNetTitle = titled(property(netName).get());
    const bool hasTitle = titled(property(name).get()) || hasNetTitle;
    const std::vector<uint32_t> ownerWindow = values32(property(owner).get());
    const bool hasOwner = !ownerWindow.empty() && ownerWindow[0] != XCB_WINDOW_NONE;
    return hasTitle && !hasOwner;
}

TopLevelWindows::TopLevelWindows() : TopLevelWindows(qgetenv("DISPLAY"))
{
}

TopLevelWindows::TopLevelWindows(QByteArray displayName) : displayName_(std::move(displayName))
{
}

TopLevelWindows::~TopLevelWindows() = default;

std::optional<WindowAnswer> TopLevelWindows::ownsWindow(qint64 processId)
{
    if (!connection_)
        connection_ = Connection::open(displayName_);
    if (!connection_)
        return WindowAnswer{processAlive(processId), WindowLookup::ProcessAlive};
    std::optional<WindowAnswer> answer = connection_->find(processId);
    if (!answer)
        connection_.reset();
    return answer;
}

bool processAlive(qint64 processId)
{
    // The range check matters: kill() takes 0 and negative numbers as process groups.
    if (!validProcessId(processId))
        return false;
    if (::kill(pid_t(processId), 0) != 0 && errno != EPERM)
        return false;
    // The state stands after the command name, which is in parentheses and may hold
    // any character, so it is found from the last ')'.
    QFile status(QStringLiteral("/proc/%1/stat").arg(processId));
    if (!status.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = status.read(4096);
    const qsizetype nameEnd = line.lastIndexOf(')');
    const char state = nameEnd >= 0 && nameEnd + 2 < line.size() ? line.at(nameEnd + 2) : '?';
    return state != 'Z' && state != 'X';
}

} // namespace platform
