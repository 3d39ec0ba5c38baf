// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <cstring>
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

} // namespace

void moveToShownDesktop(QWindow *window)
{
    // The offscreen and Wayland platforms have no X connection to ask.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 != nullptr ? x11->connection() : nullptr;
    if (c == nullptr)
        return;
    static const xcb_atom_t currentDesktop = intern(c, "_NET_CURRENT_DESKTOP");
    static const xcb_atom_t wmDesktop = intern(c, "_NET_WM_DESKTOP");

    const auto wid = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::optional<std::uint32_t> shown = cardinal(c, root, currentDesktop);
    const std::optional<std::uint32_t> on = cardinal(c, wid, wmDesktop);
    constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
    if (!shown || !on || *on == allDesktops || *on == *shown)
        return;

    // A client asks the window manager to move its window with a message to
    // the root; source 1 says it comes from an ordinary application.
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = wid;
    event.type = wmDesktop;
    event.data.data32[0] = *shown;
    event.data.data32[1] = 1;
    xcb_send_event(c, 0, root,
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}
