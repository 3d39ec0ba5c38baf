// SPDX-License-Identifier: MIT
#include "form1.h"

#include "controls.h"
#include "fromtheright.h"
#include "toplevel.h"

namespace {

constexpr wchar_t ClassName[] = L"Form1";
HWND openWindow = nullptr; // at most one help window

} // namespace

HWND Form1::show()
{
    if (openWindow == nullptr) {
        // The system's own background for a window like this; no owner, so
        // an independent window that the main one may stay above.
        HWND hwnd = createTopLevel(ClassName, GetSysColorBrush(COLOR_BTNFACE));
        if (hwnd == nullptr)
            return nullptr;
        attach(hwnd, new Form1(hwnd), &Form1::windowProc);
        openWindow = hwnd;
    }
    ShowWindow(openWindow, SW_SHOWNORMAL);
    SetForegroundWindow(openWindow);
    return openWindow;
}

Form1::Form1(HWND hwnd)
    : m_hwnd(hwnd)
{
    const UINT dpi = GetDpiForWindow(m_hwnd);
    createControls(m_hwnd, Layout::Form1, dpi);
    sizeClientArea(m_hwnd, Layout::Form1, dpi);
    setFonts(m_hwnd, Layout::Form1, dpi, m_fonts);
    // The focus starts on the only control that takes it, Exit.
    SetFocus(item(m_hwnd, Layout::control(Layout::Help::Command1)));
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Form1 *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED
            && LOWORD(wParam) == Layout::control(Layout::Help::Command1).id)
            DestroyWindow(hwnd);
        return 0;
    case WM_DRAWITEM:
        drawFromTheRight(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(form->m_painter.control(reinterpret_cast<HDC>(wParam),
            reinterpret_cast<HWND>(lParam), Colours::Surface::Caption));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        form->m_painter.forget();
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_DPICHANGED:
        // Follow the monitor.
        setFonts(
            hwnd, Layout::Form1, followDpi(hwnd, Layout::Form1, wParam, lParam), form->m_fonts);
        return 0;
    case WM_NCDESTROY:
        delete form;
        openWindow = nullptr;
        windowClosed();
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
