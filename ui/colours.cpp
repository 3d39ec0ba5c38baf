// SPDX-License-Identifier: MIT
#include "colours.h"

#include "layout.h"

#include <algorithm>
#include <cmath>

namespace Colours {

namespace {

    // WCAG's relative luminance of an sRGB colour.
    double luminance(Colour c)
    {
        const auto channel = [](Colour value) {
            const double v = double(value & 0xFF) / 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c) + 0.7152 * channel(c >> 8) + 0.0722 * channel(c >> 16);
    }

    constexpr Colour Black = 0x00000000;

} // namespace

double contrast(Colour a, Colour b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour back)
{
    return contrast(back, Black) >= contrast(back, White) ? Black : White;
}

Pair of(Surface surface, bool highContrast, const Palette &palette)
{
    if (highContrast) {
        const bool lit = surface == Surface::PromptFlash;
        return { palette(lit ? System::Highlight : System::Window),
            palette(lit ? System::HighlightText : System::WindowText) };
    }
    Colour back = White;
    switch (surface) {
    case Surface::MainWindow:
        back = Layout::WakeprobeBackColour;
        break;
    case Surface::Caption:
        back = palette(System::HighlightText);
        break;
    case Surface::PromptRest:
        back = White;
        break;
    case Surface::PromptFlash:
        back = Green;
        break;
    }
    return { back, readableOn(back) };
}

Colour disabledText(const Palette &palette) { return palette(System::GrayText); }

} // namespace Colours
