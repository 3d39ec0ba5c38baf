// SPDX-License-Identifier: MIT
#pragma once

#include "gdi.h"
#include "system.h"

#include "colours.h"

#include <map>

// Draws a window's surfaces in the colours Colours::of gives them, with the
// system's high contrast as the system says it is. Brushes are made once for
// each colour, and made afresh when the system's colours change.
class Painter {
public:
    // On WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the control's colours on its
    // device context, and the brush of its background.
    HBRUSH control(HDC dc, HWND control, Colours::Surface surface);
    // On WM_ERASEBKGND: the window's own background.
    void window(HDC dc, HWND window, Colours::Surface surface);
    // On WM_SYSCOLORCHANGE and WM_SETTINGCHANGE.
    void forget() { m_brushes.clear(); }

private:
    HBRUSH brush(Colour colour);
    std::map<Colour, Gdi<HBRUSH>> m_brushes;
};
