// SPDX-License-Identifier: MIT
// Prints the X server's time, in milliseconds, of every repaint that touches
// a rectangle of a window: when the user saw it change, independent of how
// quickly this watcher is scheduled.   Usage: damagewatch WID X Y W H
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: damagewatch WID X Y W H\n");
        return 2;
    }
    Display *d = XOpenDisplay(nullptr);
    int eventBase = 0, errorBase = 0;
    if (d == nullptr || !XDamageQueryExtension(d, &eventBase, &errorBase))
        return 1;
    const Window w = std::strtoul(argv[1], nullptr, 0);
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int right = x + std::atoi(argv[4]), bottom = y + std::atoi(argv[5]);
    XDamageCreate(d, w, XDamageReportRawRectangles);
    std::puts("READY");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(d, &event);
        if (event.type != eventBase + XDamageNotify)
            continue;
        const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
        const XRectangle &r = damage->area;
        if (r.x < right && r.x + r.width > x && r.y < bottom && r.y + r.height > y) {
            std::printf("%lu\n", damage->timestamp);
            std::fflush(stdout);
        }
    }
}
