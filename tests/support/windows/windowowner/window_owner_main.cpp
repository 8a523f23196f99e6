// A small X client for the window lookup tests. It shows one top-level window that
// names this process in _NET_WM_PID, prints the window's number on a line of its own
// once the server has mapped it, and then follows commands from standard input, one a
// line:
//   close   destroys the window and prints "closed" once the server has done so
// It ends at the end of its input.
//
// Options:
//   --untitled    the window has no title (neither WM_NAME nor _NET_WM_NAME)
//   --owned       the window is transient for (owned by) a second, unmapped window
//   --unmapped    the window is created but never mapped
//   --no-window   no window at all; prints 0
// The display is the one DISPLAY names.
#include "XcbCalls.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

struct Options {
    bool titled = true;
    bool owned = false;
    bool mapped = true;
    bool window = true;
};

xcb_window_t createWindow(xcb_connection_t* xcb, const xcb_screen_t* screen)
{
    const xcb_window_t window = xcb_generate_id(xcb);
    xcb_create_window(xcb, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    return window;
}

void setProperty(xcb_connection_t* xcb, xcb_window_t window, xcb_atom_t property, xcb_atom_t type, uint8_t format,
                 uint32_t length, const void* data)
{
    xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, window, property, type, format, length, data);
}

xcb_window_t showWindow(xcb_connection_t* xcb, const Options& options)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data;
    const xcb_window_t window = createWindow(xcb, screen);
    const uint32_t pid = uint32_t(getpid());
    setProperty(xcb, window, internAtom(xcb, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
    if (options.titled) {
        const char title[] = "Window owner";
        setProperty(xcb, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, sizeof title - 1, title);
        setProperty(xcb, window, internAtom(xcb, "_NET_WM_NAME"), internAtom(xcb, "UTF8_STRING"), 8, sizeof title - 1,
                    title);
    }
    if (options.owned) {
        const xcb_window_t owner = createWindow(xcb, screen);
        setProperty(xcb, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
    }
    if (options.mapped)
        xcb_map_window(xcb, window);
    roundTrip(xcb);
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--untitled")
            options.titled = false;
        else if (option == "--owned")
            options.owned = true;
        else if (option == "--unmapped")
            options.mapped = false;
        else if (option == "--no-window")
            options.window = false;
        else {
            std::fprintf(stderr, "window-owner: unknown option %s\n", option.c_str());
            return 2;
        }
    }

    xcb_connection_t* xcb = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(xcb)) {
        std::fprintf(stderr, "window-owner: cannot connect to the display\n");
        return 1;
    }
    xcb_window_t window = options.window ? showWindow(xcb, options) : xcb_window_t(XCB_WINDOW_NONE);
    std::printf("%u\n", unsigned(window));
    std::fflush(stdout);

    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strcmp(line, "close\n") == 0 && window != XCB_WINDOW_NONE) {
            xcb_destroy_window(xcb, window);
            roundTrip(xcb);
            window = XCB_WINDOW_NONE;
            std::printf("closed\n");
            std::fflush(stdout);
        }
    }
    xcb_disconnect(xcb);
    return 0;
}
