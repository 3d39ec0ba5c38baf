// SPDX-License-Identifier: MIT
#include "toplevel.h"

#include "translated.h"

namespace {

int windowCount = 0;

} // namespace

HWND createTopLevel(const wchar_t *className, HBRUSH background)
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    // The window procedure is the object's, set once the object is attached.
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
    constexpr DWORD fixedFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // The language's string table says whether the window reads from the right.
    const DWORD mirrored
        = readingDirection() == Layout::Direction::RightToLeft ? WS_EX_LAYOUTRTL : 0;
    return CreateWindowExW(WS_EX_CONTROLPARENT | mirrored, className, L"", fixedFrame,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, wc.hInstance,
        nullptr);
}

void windowOpened() { ++windowCount; }

void windowClosed()
{
    if (--windowCount == 0)
        PostQuitMessage(0);
}
