// SPDX-License-Identifier: MIT
#include "desktop.h"
#include "x11.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <map>
#include <utility>

using namespace X11;

namespace {

// Qt's own flag, so that Qt keeps WM_HINTS' input field false when it
// rewrites the hints, as it does whenever the window's flags change.
void setFocusable(QWidget *window, bool on)
{
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowDoesNotAcceptFocus, !on);
    window->overrideWindowFlags(flags);
    window->windowHandle()->setFlags(flags);
}

// ICCCM: WM_PROTOCOLS' WM_TAKE_FOCUS, which Qt offers from the start and
// never takes back, invites the window manager to hand the focus over.
bool offerTakeFocus(xcb_connection_t *c, xcb_window_t wid, bool on)
{
    static const xcb_atom_t protocols = intern(c, "WM_PROTOCOLS");
    static const xcb_atom_t takeFocus = intern(c, "WM_TAKE_FOCUS");
    std::vector<std::uint32_t> list = words(c, wid, protocols, XCB_ATOM_ATOM, 32);
    const auto offered = std::find(list.begin(), list.end(), takeFocus);
    if ((offered != list.end()) == on)
        return false;
    if (on)
        list.push_back(takeFocus);
    else
        list.erase(offered);
    setWords(c, wid, protocols, XCB_ATOM_ATOM, std::move(list));
    return true;
}

// Windows that take no keyboard focus for now, and whether they offered
// WM_TAKE_FOCUS before. The user's click into one gives its focus back, and
// the focus with it: the window manager, asked at the click, said no.
class Withheld final : public QAbstractNativeEventFilter {
public:
    std::map<xcb_window_t, std::pair<QPointer<QWidget>, bool>> windows;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t"
            || (static_cast<xcb_generic_event_t *>(message)->response_type & 0x7F)
                != XCB_BUTTON_PRESS)
            return false;
        const auto found = windows.find(static_cast<xcb_button_press_event_t *>(message)->event);
        if (found != windows.end() && found->second.first != nullptr) {
            // Once Qt has taken the click's time as the user's latest.
            QMetaObject::invokeMethod(
                found->second.first,
                [window = found->second.first] {
                    returnFocus(window);
                    window->activateWindow();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

Withheld &withheld()
{
    static Withheld *const filter = [] {
        auto *f = new Withheld;
        qGuiApp->installNativeEventFilter(f);
        return f;
    }();
    return *filter;
}

} // namespace

void withholdFocus(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (c == nullptr || window->windowHandle() == nullptr)
        return;
    const auto wid = static_cast<xcb_window_t>(window->winId());
    if (withheld().windows.contains(wid))
        return;
    // ICCCM: a window whose WM_HINTS say it takes no input, and that offers
    // no WM_TAKE_FOCUS, gets no keyboard focus from any window manager.
    withheld().windows[wid] = { window, offerTakeFocus(c, wid, false) };
    setFocusable(window, false);
    xcb_flush(c);
}

void returnFocus(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (c == nullptr || window->windowHandle() == nullptr)
        return;
    const auto found = withheld().windows.find(static_cast<xcb_window_t>(window->winId()));
    if (found == withheld().windows.end())
        return;
    if (found->second.second)
        offerTakeFocus(c, found->first, true);
    withheld().windows.erase(found);
    setFocusable(window, true);
    xcb_flush(c);
}

bool mappedWhileIconic(QWindow *window)
{
    xcb_connection_t *c = connection();
    if (c == nullptr)
        return false;
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(
            c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(window->winId())), nullptr),
        &std::free);
    return attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
}

void mapAfresh(QWindow *window)
{
    xcb_connection_t *c = connection();
    if (c == nullptr)
        return;
    const auto wid = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(c);

    // Its place, as the user's own (USPosition), so that it is not placed
    // anew. With Qt's static gravity the place is the client window's own
    // top-left corner on the screen.
    const Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, wid, root, 0, 0), nullptr),
        &std::free);
    constexpr std::uint32_t sizeHintWords = 18, userPosition = 1;
    std::vector<std::uint32_t> sizeHints
        = words(c, wid, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, sizeHintWords);
    if (at && !sizeHints.empty()) {
        sizeHints.resize(sizeHintWords);
        sizeHints[0] |= userPosition;
        sizeHints[1] = std::uint32_t(at->dst_x);
        sizeHints[2] = std::uint32_t(at->dst_y);
        setWords(c, wid, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, std::move(sizeHints));
    }
    // ICCCM: mapped in the normal state, not iconic again.
    constexpr std::uint32_t stateHint = 1U << 1, normalState = 1;
    std::vector<std::uint32_t> hints
        = words(c, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, WmHintsWords);
    hints.resize(WmHintsWords);
    hints[0] |= stateHint;
    hints[2] = normalState;
    setWords(c, wid, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, std::move(hints));

    // ICCCM: unmapping withdraws the window; mapping it again is a map
    // request, which the window manager honours as for a new window. Some
    // (mutter) leave a withdrawn window where its frame was: the move puts
    // it back, once it is managed again.
    xcb_unmap_window(c, wid);
    xcb_map_window(c, wid);
    if (at) {
        const std::uint32_t place[] = { std::uint32_t(at->dst_x), std::uint32_t(at->dst_y) };
        xcb_configure_window(c, wid, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    }
    xcb_flush(c);
}
