// SPDX-License-Identifier: MIT
#include "controls.h"

#include "text.h"
#include "translated.h"

#include <commctrl.h>

#include <algorithm>

namespace {

struct ControlClass {
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(Layout::Kind kind)
{
    switch (kind) {
    case Layout::Kind::CheckBox:
        // The whole rectangle takes the click; the caption wraps within it.
        return { WC_BUTTONW, BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER | WS_TABSTOP, 0 };
    case Layout::Kind::TextBox:
        return { WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE };
    case Layout::Kind::Label:
        return { WC_STATICW, SS_LEFT | SS_NOPREFIX, 0 };
    case Layout::Kind::CommandButton:
        return { WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0 };
    }
    return {};
}

bool mirrored(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

// The system mirrors a window made with WS_EX_LAYOUTRTL: its children's x is
// measured from the right, and a child that inherits the style is drawn
// mirrored too (a check box with its box on the right). The table's places
// are mirrored there once, by the system.
Layout::Rect placeIn(HWND window, const Layout::Window &layout, const Layout::Control &c)
{
    return Layout::place(layout, c,
        mirrored(window) ? Layout::Direction::RightToLeft : Layout::Direction::LeftToRight,
        Layout::Origin::ReadingStart);
}

} // namespace

const Layout::Control *byId(const Layout::Window &layout, int id)
{
    const auto found = std::find_if(layout.controls.begin(), layout.controls.end(),
        [id](const Layout::Control &c) { return c.id == id; });
    return found == layout.controls.end() ? nullptr : &*found;
}

void createControls(HWND parent, const Layout::Window &layout, UINT dpi)
{
    for (const Layout::Control &c : layout.controls) {
        const ControlClass cls = controlClass(c.kind);
        DWORD style = WS_CHILD | cls.style;
        if (c.visible)
            style |= WS_VISIBLE;
        if (!c.enabled)
            style |= WS_DISABLED;
        // Made where they belong: moving them afterwards costs each a round of messages.
        const auto [left, top, width, height] = placeIn(parent, layout, c);
        // Those that read from the right in a mirrored window are made
        // unmirrored, right-aligned and reading from the right by their own
        // styles: the reading order a mirrored control's text gets from the
        // mirroring is not what every system gives it (under Wine a typed
        // 0.05 shows as 05.0). The labels draw themselves (fromtheright.h).
        const bool readsFromTheRight = mirrored(parent) && Layout::alignsRightWhenMirrored(c.kind);
        DWORD exStyle = cls.exStyle;
        if (readsFromTheRight) {
            exStyle |= WS_EX_RIGHT | WS_EX_RTLREADING;
            if (c.kind == Layout::Kind::Label)
                style = (style & ~DWORD(SS_TYPEMASK)) | SS_OWNERDRAW;
        }
        HWND hwnd = CreateWindowExW(exStyle, cls.name,
            widen(translated(layout.name, c.text)).c_str(), style, twipsToPixels(left, dpi),
            twipsToPixels(top, dpi), twipsToPixels(width, dpi), twipsToPixels(height, dpi), parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr),
            nullptr);
        if (readsFromTheRight) // placed by the mirrored parent all the same
            SetWindowLongPtrW(
                hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
        if (c.checked)
            SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
}

void sizeClientArea(HWND window, const Layout::Window &layout, UINT dpi)
{
    RECT frame { 0, 0, twipsToPixels(layout.widthTwips, dpi),
        twipsToPixels(layout.heightTwips, dpi) };
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeControls(HWND window, const Layout::Window &layout, UINT dpi)
{
    for (const Layout::Control &c : layout.controls) {
        const auto [left, top, width, height] = placeIn(window, layout, c);
        SetWindowPos(item(window, c), nullptr, twipsToPixels(left, dpi), twipsToPixels(top, dpi),
            twipsToPixels(width, dpi), twipsToPixels(height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

UINT followDpi(HWND window, const Layout::Window &layout, WPARAM wParam, LPARAM lParam)
{
    const UINT dpi = HIWORD(wParam);
    const auto *frame = reinterpret_cast<const RECT *>(lParam);
    SetWindowPos(window, nullptr, frame->left, frame->top, frame->right - frame->left,
        frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE);
    sizeClientArea(window, layout, dpi);
    placeControls(window, layout, dpi);
    // Repainted, controls and all, once the caller has set the new font.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return dpi;
}
