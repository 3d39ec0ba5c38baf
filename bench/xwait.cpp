// SPDX-License-Identifier: MIT
// Starts a program and prints the milliseconds from exec until a top-level
// window of the given title is viewable, polling the window tree every 2 ms.
// Usage: xwait TITLE PROGRAM [ARGS...]   Prints "<ms> <pid>" and leaves it running.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

bool viewableWithTitle(Display *d, Window w, const char *title, int depth)
{
    XWindowAttributes attributes;
    char *name = nullptr;
    if (XFetchName(d, w, &name) && name != nullptr) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match && XGetWindowAttributes(d, w, &attributes) && attributes.map_state == IsViewable)
            return true;
    }
    if (depth == 0)
        return false;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    bool found = false;
    if (XQueryTree(d, w, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = viewableWithTitle(d, children[i], title, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xwait TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program must not hold our output open: the caller reads it to the end.
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    for (int i = 0; i < 10000; ++i) {
        if (viewableWithTitle(d, DefaultRootWindow(d), argv[1], 4)) {
            const auto ms = std::chrono::duration<double, std::milli>(
                std::chrono::steady_clock::now() - start);
            std::printf("%.1f %d\n", ms.count(), pid);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return 1;
}
