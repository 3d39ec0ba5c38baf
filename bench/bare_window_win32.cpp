// SPDX-License-Identifier: MIT
// The floor for a Win32 program, built as Wakeprober is (the same toolchain,
// static runtime and manifest): one window, one edit box and a 1 s timer that
// writes a countdown into it.
#include <windows.h>

#include <string>

namespace {

HWND edit = nullptr;
int seconds = 1800;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        SetWindowTextW(edit, std::to_wstring(--seconds).c_str());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"Bare";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
        CW_USEDEFAULT, 373, 331, nullptr, nullptr, instance, nullptr);
    edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
        8, 8, 169, 81, hwnd, nullptr, instance, nullptr);
    SetTimer(hwnd, 1, 1000, nullptr);
    ShowWindow(hwnd, showCommand);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
