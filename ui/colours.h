// SPDX-License-Identifier: MIT
#pragma once

#include "types.h"

#include <cstdint>
#include <functional>

// Which colours each part of both windows is drawn in, decided once for both
// shells. Outside high contrast a surface keeps the layout's colour, and its
// text is whichever of black and white reads on it, not a constant. With the
// system's high contrast on, everything takes the system's own colour pairs,
// and the prompt box alternates between two of them.
namespace Colours {

// The window system's colours, by the numbers Windows gives them.
enum class System : std::uint8_t {
    Window = 5,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    GrayText = 17,
};
constexpr Colour system(System s) { return SystemColourFlag | Colour(s); }

enum class Surface {
    MainWindow, // the main window's own background
    Caption, // a check box or label, in either window
    PromptRest, // the prompt box while white
    PromptFlash, // the prompt box while green
};

// The surface the prompt box stands for in the colour the cycle gave it: a
// system colour is the layout's, before the load.
constexpr Surface promptSurface(Colour check2)
{
    return check2 == Green ? Surface::PromptFlash
        : check2 == White  ? Surface::PromptRest
                           : Surface::Caption;
}

struct Pair {
    Colour back, text; // 0x00BBGGRR
};

// A system colour's present value, as the shell reads it from its window system.
using Palette = std::function<Colour(System)>;

// The colours of a surface and of its text; a disabled control's text is the
// system's grey, which the system gives its own contrast.
Pair of(Surface surface, bool highContrast, const Palette &palette);
Colour disabledText(const Palette &palette);

// The WCAG contrast ratio of two colours, from 1 to 21.
double contrast(Colour a, Colour b);
// Black or white, whichever reads better on the colour.
Colour readableOn(Colour back);

} // namespace Colours
