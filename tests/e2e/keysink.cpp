// SPDX-License-Identifier: MIT
// Another program's window that the user types into: a plain X client titled
// "Other" that prints every character its window receives, one per line, so
// that a test can tell which keys reached it and which went elsewhere.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "keysink: cannot open the display\n");
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 300,
        0, BlackPixel(display, 0), WhitePixel(display, 0));
    XStoreName(display, window, "Other");
    // Takes the focus when the window manager gives it (ICCCM's passive model).
    XWMHints hints {};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window, &hints);
    XSelectInput(display, window, KeyPressMask | ExposureMask);
    XMapWindow(display, window);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != KeyPress)
            continue;
        char text[8] {};
        KeySym key = 0;
        if (XLookupString(&event.xkey, text, sizeof text - 1, &key, nullptr) == 1) {
            std::printf("%s\n", text[0] == ' ' ? "space" : text);
            std::fflush(stdout);
        }
    }
}
