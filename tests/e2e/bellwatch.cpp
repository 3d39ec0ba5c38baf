// SPDX-License-Identifier: MIT
// Prints one line "BELL" for every bell rung on the X display, as XKB reports
// it, so that a test can count the program's beeps from outside.
#include <X11/XKBlib.h>

#include <cstdio>

int main()
{
    int eventBase = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    Display *display = XkbOpenDisplay(nullptr, &eventBase, &error, &major, &minor, &reason);
    if (display == nullptr) {
        std::fprintf(stderr, "bellwatch: cannot open the display with XKB (%d)\n", reason);
        return 1;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    std::puts("READY");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase
            && reinterpret_cast<XkbEvent *>(&event)->any.xkb_type == XkbBellNotify) {
            std::puts("BELL");
            std::fflush(stdout);
        }
    }
}
