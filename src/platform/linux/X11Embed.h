#pragma once
// A child window of our own inside someone else's X11 window (XScreenSaver's window, or the
// window a preview is drawn into): it fills the parent, follows its size, and notices when the
// parent goes away. X errors about a vanished window are expected here and never end the
// program.
// Xlib's headers stay out of this one: their macros (None, Status, Bool) clash with ordinary names.
struct _XDisplay;

namespace hq {

using XWindowId = unsigned long;

class X11Embed {
public:
    // `parent` 0 stands for the screen: $XSCREENSAVER_WINDOW's window when set, else the virtual
    // root a screen saver has put up, else the root window.
    X11Embed(unsigned long parent, const char* name);
    ~X11Embed();
    X11Embed(const X11Embed&) = delete;
    X11Embed& operator=(const X11Embed&) = delete;

    // False when there is no display or no such parent window.
    bool Valid() const { return m_child != 0; }
    XWindowId Child() const { return m_child; }
    XWindowId Parent() const { return m_parent; }
    _XDisplay* Connection() const { return m_display; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    struct Changes {
        bool parentGone = false;
        bool resized = false;
        bool exposed = false;
    };
    // Handles the events that have arrived, without waiting.
    Changes Poll();
    // Waits up to `timeoutMs` for an event to arrive; true when one has.
    bool Wait(int timeoutMs) const;

    // The screen's window for `-root`: see the constructor.
    static XWindowId ScreenWindow(_XDisplay* display);

private:
    _XDisplay* m_display = nullptr;
    XWindowId m_parent = 0;
    XWindowId m_child = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_gone = false;
};

}  // namespace hq
