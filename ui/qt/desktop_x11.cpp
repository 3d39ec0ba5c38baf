// SPDX-License-Identifier: MIT
#include "desktop.h"
#include "x11.h"

#include <QWindow>

#include <algorithm>
#include <utility>

using namespace X11;

// EWMH workspaces: the root's _NET_CURRENT_DESKTOP is the one shown, a
// window's _NET_WM_DESKTOP the one it is on (0xFFFFFFFF: on all of them).
void moveToShownDesktop(QWindow *window)
{
    xcb_connection_t *c = connection();
    if (c == nullptr)
        return;
    static const xcb_atom_t currentDesktop = intern(c, "_NET_CURRENT_DESKTOP");
    static const xcb_atom_t wmDesktop = intern(c, "_NET_WM_DESKTOP");

    const auto wid = static_cast<xcb_window_t>(window->winId());
    const std::optional<std::uint32_t> shown = cardinal(c, rootOf(c), currentDesktop);
    const std::optional<std::uint32_t> on = cardinal(c, wid, wmDesktop);
    constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
    if (!shown || !on || *on == allDesktops || *on == *shown)
        return;
    askWindowManager(c, wid, wmDesktop, { *shown, FromApplication });
    xcb_flush(c);
}

void setDemandsAttention(QWindow *window, bool on)
{
    xcb_connection_t *c = connection();
    if (c == nullptr) {
        // Wayland: Qt's own request, which the compositor clears once the window is used.
        if (on)
            window->alert(0);
        return;
    }
    static const xcb_atom_t wmState = intern(c, "_NET_WM_STATE");
    static const xcb_atom_t demandsAttention = intern(c, "_NET_WM_STATE_DEMANDS_ATTENTION");
    const auto wid = static_cast<xcb_window_t>(window->winId());

    // EWMH: the window manager owns _NET_WM_STATE; a client asks it to add (1)
    // or remove (0) a state.
    constexpr std::uint32_t remove = 0, add = 1;
    askWindowManager(c, wid, wmState, { on ? add : remove, demandsAttention, 0, FromApplication });

    // ICCCM: the urgency flag in WM_HINTS, which the client itself owns and
    // which window managers without the EWMH state (and taskbars) read.
    constexpr std::uint32_t urgencyHint = 1U << 8;
    std::vector<std::uint32_t> hints
        = words(c, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, WmHintsWords);
    hints.resize(WmHintsWords);
    const std::uint32_t flags = on ? (hints[0] | urgencyHint) : (hints[0] & ~urgencyHint);
    if (flags != hints[0]) {
        hints[0] = flags;
        setWords(c, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, std::move(hints));
    }
    xcb_flush(c);
}
