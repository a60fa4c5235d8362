// A small X11 helper for the end-to-end test: it waits on window events, never on the clock alone.
//   xwait mapped <role> [seconds]   wait until a top-level window with WM_WINDOW_ROLE <role> is viewable; print its id
//   xwait titled <title> [seconds]  the same for a window whose title is exactly <title>
//   xwait gone <id> [seconds]       wait until that window is unmapped or destroyed
//   xwait focused <id> [seconds]    wait until that window (or one inside it) has the keyboard focus
//   xwait close <id>                ask the window to close, as a window manager's close box does
// Exits 0 on success, 1 on time-out, 2 on bad use.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <sys/select.h>

namespace {

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0; // windows come and go while we look at them
}

std::string textProperty(Display* display, Window window, Atom property, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count, &remaining,
                           &data)
            == Success
        && data) {
        result.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) {
        XFree(data);
    }
    return result;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

struct Matcher
{
    Atom property;
    Atom type;
    std::string wanted;
};

std::optional<Window> findViewable(Display* display, const Matcher& matcher)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<Window> found;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i) {
            // A window's role or title may be set after it is mapped: hear its property changes too.
            XSelectInput(display, children[i], PropertyChangeMask);
            if (isViewable(display, children[i])
                && textProperty(display, children[i], matcher.property, matcher.type) == matcher.wanted) {
                found = children[i];
            }
        }
        if (children) {
            XFree(children);
        }
    }
    return found;
}

// Waits for the next X event or the deadline; false when the deadline passed.
bool awaitEvent(Display* display, std::chrono::steady_clock::time_point deadline)
{
    while (!XPending(display)) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return false;
        }
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        timeval timeout {static_cast<time_t>(micros / 1000000), static_cast<suseconds_t>(micros % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &timeout);
    }
    XEvent event;
    XNextEvent(display, &event);
    return true;
}

int waitMapped(Display* display, const Matcher& matcher, std::chrono::steady_clock::time_point deadline)
{
    // Listen first, then look, so a window mapped in between is not missed. Property changes matter too: a title
    // may be set after the window is mapped, so each top-level window is listened to as it is looked at.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    do {
        if (const std::optional<Window> window = findViewable(display, matcher)) {
            std::printf("%lu\n", *window);
            return 0;
        }
    } while (awaitEvent(display, deadline));
    return 1;
}

int waitGone(Display* display, Window window, std::chrono::steady_clock::time_point deadline)
{
    XSelectInput(display, window, StructureNotifyMask);
    XSync(display, False);
    do {
        if (!isViewable(display, window)) {
            return 0;
        }
    } while (awaitEvent(display, deadline));
    return 1;
}

// The top-level window (a child of the root) that holds `window`.
Window topLevelOf(Display* display, Window window)
{
    Window root = DefaultRootWindow(display);
    while (window != None && window != PointerRoot && window != root) {
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) {
            return None;
        }
        if (children) {
            XFree(children);
        }
        if (parent == root) {
            return window;
        }
        window = parent;
    }
    return None;
}

int waitFocused(Display* display, Window window, std::chrono::steady_clock::time_point deadline)
{
    XSelectInput(display, window, FocusChangeMask | StructureNotifyMask);
    XSync(display, False);
    do {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (topLevelOf(display, focus) == window) {
            return 0;
        }
    } while (awaitEvent(display, deadline));
    return 1;
}

int requestClose(Display* display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xwait mapped|titled|gone|focused|close <role|title|id> [seconds]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xwait: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const double seconds = argc > 3 ? std::atof(argv[3]) : 20.0;
    const auto deadline = std::chrono::steady_clock::now()
        + std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
    const std::string command = argv[1];
    int status = 2;
    if (command == "mapped") {
        status = waitMapped(display, {XInternAtom(display, "WM_WINDOW_ROLE", False), XA_STRING, argv[2]}, deadline);
    } else if (command == "titled") {
        status = waitMapped(
            display, {XInternAtom(display, "_NET_WM_NAME", False), XInternAtom(display, "UTF8_STRING", False), argv[2]},
            deadline);
    } else if (command == "gone") {
        status = waitGone(display, std::strtoul(argv[2], nullptr, 0), deadline);
    } else if (command == "focused") {
        status = waitFocused(display, std::strtoul(argv[2], nullptr, 0), deadline);
    } else if (command == "close") {
        status = requestClose(display, std::strtoul(argv[2], nullptr, 0));
    }
    XCloseDisplay(display);
    return status;
}
