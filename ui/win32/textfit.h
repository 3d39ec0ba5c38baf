// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

#include <string_view>

// Whether a control's text, in this font, reads in full within the control:
// the one rule by which the program chooses its font and its tests check it,
// measured the same way for both.
//
// An edit box and a button show it on one line, within their frames and
// margins. A label wraps it in its client area (short of its edges where it
// draws from the right, fromtheright.h), and a check box in the room
// the check box itself gives its caption: after the box and half a digit's
// width, as the common controls place it, and clear of the right edge, where
// the focus rectangle goes. It wraps as DrawText wraps (DT_WORDBREAK): every
// line no wider than the room, and no more lines than its height holds. A
// word, or an East Asian run that the system will not break, wider than the
// room widens the measured rectangle instead; and since the system may break
// an East Asian line differently at a width a few pixels off, the width is
// the control's own, not an estimate of it.
bool textFits(HWND control, HFONT font, Layout::Kind kind, std::wstring_view text, UINT dpi);
