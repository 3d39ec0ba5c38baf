// SPDX-License-Identifier: MIT
#include "form1.h"

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
    fitFont(dpi);
    // The focus starts on the only control that takes it, Exit.
    SetFocus(GetDlgItem(m_hwnd, Layout::find(Layout::Form1, "Command1")->id));
}

void Form1::fitFont(UINT dpi)
{
    m_font = fittedFont(m_hwnd, Layout::Form1, dpi);
    for (const Layout::Control &c : Layout::Form1.controls)
        SendMessageW(GetDlgItem(m_hwnd, c.id), WM_SETFONT, WPARAM(m_font.get()), FALSE);
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Form1 *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED
            && LOWORD(wParam) == Layout::find(Layout::Form1, "Command1")->id)
            DestroyWindow(hwnd);
        return 0;
    case WM_DRAWITEM:
        drawFromTheRight(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        // The labels on the system colour for highlighted text, with dark text.
        auto dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(form->m_labelBrush.get());
    }
    case WM_DPICHANGED:
        // Follow the monitor.
        form->fitFont(followDpi(hwnd, Layout::Form1, wParam, lParam));
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
