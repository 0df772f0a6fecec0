#include "tests/shell/X11Client.h"

#include <X11/Xutil.h>

namespace ShellTest {

X11Client::X11Client() : display(XOpenDisplay(nullptr)) {}

X11Client::~X11Client() {
    if (display) {
        XCloseDisplay(display);
    }
}

::Window X11Client::FindWindowByTitle(const std::string& title) {
    XSync(display, False);
    return FindBelow(DefaultRootWindow(display), title);
}

::Window X11Client::FindBelow(::Window parent, const std::string& title) {
    ::Window root = 0, parentOfParent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count)) {
        return 0;
    }
    ::Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (title == name) {
                found = children[i];
            }
            XFree(name);
        }
        if (!found) {
            found = FindBelow(children[i], title);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

WindowGeometry X11Client::Geometry(::Window window) {
    WindowGeometry geometry;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return geometry;
    }
    ::Window child = 0;
    XTranslateCoordinates(display, window, attributes.root, 0, 0, &geometry.x, &geometry.y, &child);
    geometry.width = attributes.width;
    geometry.height = attributes.height;
    return geometry;
}

bool X11Client::IsShown(::Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

int X11Client::ScreenWidth() const {
    return DisplayWidth(display, DefaultScreen(display));
}

int X11Client::ScreenHeight() const {
    return DisplayHeight(display, DefaultScreen(display));
}

bool X11Client::SendDeleteWindow(::Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return sent != 0;
}

}  // namespace ShellTest
