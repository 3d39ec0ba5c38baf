// SPDX-License-Identifier: MIT
#pragma once

#include "font.h"
#include "gdi.h"
#include "paint.h"
#include "system.h"

// The help window: how to use the main window and a tip on lucid dreaming.
// It shows texts and closes; it knows nothing of the main window. There is at
// most one, with no owner, and it lives as long as its window.
class Form1 final {
public:
    // Shows the help window, creating and loading it first if it is not open.
    static HWND show();
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

private:
    explicit Form1(HWND hwnd);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd;
    WindowFonts m_fonts;
    Painter m_painter;
};
