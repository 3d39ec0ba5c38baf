// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

// Labels that read from the right, in a mirrored window, draw their own
// lines: under Wine a right-aligned static control measures Arabic letter by
// letter but draws it shaped, and so narrower, and each line would end short
// of the right edge.

// Where such a label draws its lines: a pixel clear of its top and right
// edges, where Wine's smoothing spreads the ink of the tallest Arabic letters
// and of a line's rightmost glyph past the font's box. Its text is fitted to
// this room too.
RECT fromTheRightRoom(HWND label, UINT dpi);

// On WM_DRAWITEM: the label's text, wrapped as DrawText wraps it, each line
// ending at the right edge, in the colours the window gives its labels.
void drawFromTheRight(const DRAWITEMSTRUCT &item);
