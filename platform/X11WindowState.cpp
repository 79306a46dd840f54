#include "platform/X11WindowState.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>
#include <vector>

namespace Platform {
namespace {

struct DisplayCloser {
    void operator()(Display *d) const { XCloseDisplay(d); }
};

// One connection of our own, opened on first use: it needs nothing from Qt
// and serves the whole program (everything here runs on the main thread).
Display *Connection()
{
    static std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    return display.get();
}

Atom Intern(Display *d, const char *name)
{
    return XInternAtom(d, name, False);
}

// The atoms of a window's ATOM-list property.
std::vector<Atom> AtomList(Display *d, Window w, Atom property)
{
    std::vector<Atom> atoms;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 4096, False, XA_ATOM, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        if (type == XA_ATOM && format == 32) {
            const auto *list = reinterpret_cast<const Atom *>(data);
            atoms.assign(list, list + count);
        }
        XFree(data);
    }
    return atoms;
}

bool Contains(const std::vector<Atom> &atoms, Atom atom)
{
    for (Atom a : atoms)
        if (a == atom)
            return true;
    return false;
}

bool Mapped(Display *d, Window w)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(d, w, &attributes) && attributes.map_state != IsUnmapped;
}

} // namespace

bool WindowManagerSupports(const char *state)
{
    Display *d = Connection();
    if (!d)
        return false;
    return Contains(AtomList(d, DefaultRootWindow(d), Intern(d, "_NET_SUPPORTED")), Intern(d, state));
}

void SetKeepAbove(quintptr window, bool on)
{
    Display *d = Connection();
    if (!d || !window)
        return;
    const Window w = Window(window);
    const Atom state = Intern(d, "_NET_WM_STATE");
    const Atom above = Intern(d, "_NET_WM_STATE_ABOVE");
    if (Mapped(d, w) && WindowManagerSupports("_NET_WM_STATE_ABOVE")) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = state;
        event.xclient.format = 32;
        event.xclient.data.l[0] = on ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
        event.xclient.data.l[1] = long(above);
        event.xclient.data.l[3] = 1; // a normal application
        XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        std::vector<Atom> atoms = AtomList(d, w, state);
        std::erase(atoms, above);
        if (on)
            atoms.push_back(above);
        XChangeProperty(d, w, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(atoms.data()), int(atoms.size()));
    }
    XFlush(d);
}

bool KeepAbove(quintptr window)
{
    Display *d = Connection();
    if (!d || !window)
        return false;
    return Contains(AtomList(d, Window(window), Intern(d, "_NET_WM_STATE")),
                    Intern(d, "_NET_WM_STATE_ABOVE"));
}

bool ResetX11ScreenSaver()
{
    Display *d = Connection();
    if (!d)
        return false;
    XResetScreenSaver(d);
    XFlush(d);
    return true;
}

} // namespace Platform
