// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

// EWMH workspaces: the root's _NET_CURRENT_DESKTOP is the one shown, a
// window's _NET_WM_DESKTOP the one it is on (0xFFFFFFFF: on all of them). The
// calls below only ask the X server, never the window manager, so a busy
// window manager cannot hold up a tick.
namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::optional<std::uint32_t> cardinal(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, name, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    return *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
}

// The X connection, where the window is on X11: the offscreen and Wayland
// platforms have none to ask.
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A client asks the window manager to change what it manages with a message
// to the root. In each message, a source of 1 says it comes from an ordinary
// application.
constexpr std::uint32_t FromApplication = 1;
void askWindowManager(xcb_connection_t *c, xcb_window_t window, xcb_atom_t type,
    std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), std::begin(event.data.data32));
    xcb_send_event(c, 0, rootOf(c),
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&event));
}

} // namespace

void moveToShownDesktop(QWindow *window)
{
    xcb_connection_t *c = x11Connection();
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
    xcb_connection_t *c = x11Connection();
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
    constexpr std::uint32_t hintWords = 9;
    std::uint32_t hints[hintWords] {};
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c,
            xcb_get_property(c, 0, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, hintWords),
            nullptr),
        &std::free);
    if (reply && reply->format == 32) {
        const auto length = std::min<std::uint32_t>(
            hintWords, std::uint32_t(xcb_get_property_value_length(reply.get())) / 4);
        std::memcpy(hints, xcb_get_property_value(reply.get()), length * 4);
    }
    const std::uint32_t flags = on ? (hints[0] | urgencyHint) : (hints[0] & ~urgencyHint);
    if (flags != hints[0]) {
        hints[0] = flags;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
            hintWords, hints);
    }
    xcb_flush(c);
}
