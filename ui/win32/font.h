// SPDX-License-Identifier: MIT
#pragma once

#include "gdi.h"
#include "system.h"

#include <string>
#include <vector>

// The system's message font at this DPI, shrunk until every text the
// window's controls show (Layout::textsToFit) reads in full in its control.
// Its face is the one Windows gives the display language's interface where
// the message font cannot draw the texts.
Gdi<HFONT> fittedFont(HWND window, const Layout::Window &layout, UINT dpi);

// The fonts a window's controls are drawn in: the fitted one, and those of
// the controls that have their own.
struct WindowFonts {
    Gdi<HFONT> fitted;
    std::vector<Gdi<HFONT>> own;
};

// Fits the window's font at this DPI and gives every control its font.
void setFonts(HWND window, const Layout::Window &layout, UINT dpi, WindowFonts &fonts);

// Whether the font has a glyph of its own for every character of the texts.
bool drawsEvery(HDC dc, HFONT font, const std::vector<std::wstring> &texts);
