#include "platform/linux/X11Embed.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <cstdlib>

namespace hq {

namespace {

// Xlib's own handler ends the process on any error; a window that has just vanished is no
// reason for that.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

Window WindowFromEnvironment() {
    const char* text = std::getenv("XSCREENSAVER_WINDOW");
    if (!text || !*text) return 0;
    char* end = nullptr;
    const unsigned long id = std::strtoul(text, &end, 0);
    return end && *end == '\0' ? Window(id) : 0;
}

}  // namespace

XWindowId X11Embed::ScreenWindow(Display* display) {
    if (Window fromEnvironment = WindowFromEnvironment()) return fromEnvironment;
    const Window root = DefaultRootWindow(display);
    // A screen saver or a desktop that covers the root window marks its own window as the
    // virtual root; drawing belongs there.
    const Atom vroot = XInternAtom(display, "__SWM_VROOT", False);
    Window rootReturn = 0, parentReturn = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = root;
    if (XQueryTree(display, root, &rootReturn, &parentReturn, &children, &count)) {
        for (unsigned i = 0; i < count && found == root; ++i) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, children[i], vroot, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                                   &data) == Success &&
                type == XA_WINDOW && items == 1 && data) {
                found = *reinterpret_cast<Window*>(data);
            }
            if (data) XFree(data);
        }
        if (children) XFree(children);
    }
    return found;
}

X11Embed::X11Embed(unsigned long parent, const char* name) {
    XSetErrorHandler(&IgnoreXError);
    m_display = XOpenDisplay(nullptr);
    if (!m_display) return;
    m_parent = parent ? Window(parent) : ScreenWindow(m_display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, m_parent, &attributes)) return;
    m_width = attributes.width;
    m_height = attributes.height;

    // Our own events on the parent only: structure changes, which any number of clients may ask for.
    XSelectInput(m_display, m_parent, StructureNotifyMask);
    XSetWindowAttributes set{};
    set.background_pixel = 0;  // black until the first frame
    set.event_mask = ExposureMask | StructureNotifyMask;
    // A child of the real root window is a top-level window; the window manager stays out of it.
    set.override_redirect = m_parent == DefaultRootWindow(m_display) ? True : False;
    m_child = XCreateWindow(m_display, m_parent, 0, 0, unsigned(m_width), unsigned(m_height), 0, CopyFromParent,
                            InputOutput, CopyFromParent, CWBackPixel | CWEventMask | CWOverrideRedirect, &set);
    XStoreName(m_display, m_child, name);
    XMapRaised(m_display, m_child);
    XSync(m_display, False);
    // The parent may have vanished between the two calls.
    if (!XGetWindowAttributes(m_display, m_parent, &attributes)) m_child = 0;
}

X11Embed::~X11Embed() {
    if (!m_display) return;
    if (m_child && !m_gone) XDestroyWindow(m_display, m_child);
    XCloseDisplay(m_display);
}

X11Embed::Changes X11Embed::Poll() {
    Changes changes;
    if (!m_display) return changes;
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        switch (event.type) {
        case DestroyNotify:
            if (event.xdestroywindow.window == m_parent || event.xdestroywindow.window == m_child) m_gone = true;
            break;
        case ConfigureNotify:
            if (event.xconfigure.window == m_parent &&
                (event.xconfigure.width != m_width || event.xconfigure.height != m_height)) {
                m_width = event.xconfigure.width;
                m_height = event.xconfigure.height;
                XResizeWindow(m_display, m_child, unsigned(m_width), unsigned(m_height));
                changes.resized = true;
            }
            break;
        case Expose:
            if (event.xexpose.window == m_child && event.xexpose.count == 0) changes.exposed = true;
            break;
        default: break;
        }
    }
    changes.parentGone = m_gone;
    if (changes.resized) XFlush(m_display);
    return changes;
}

bool X11Embed::Wait(int timeoutMs) const {
    if (!m_display) return false;
    if (XPending(m_display) > 0) return true;
    pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
    return poll(&fd, 1, timeoutMs) > 0;
}

}  // namespace hq
