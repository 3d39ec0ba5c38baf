// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <string>
#include <vector>

// What a window's font must fit, decided once for both shells: a shell
// measures each text in the room its control gives it, and takes the largest
// size, from the desktop's own down to the smallest allowed, at which every
// text reads in full. The layout is fixed in pixels, so a desktop font larger
// than it was drawn for must shrink to keep the captions whole.
namespace Layout {

struct ShownText {
    const Control *control;
    std::string text;
};

// Every text the window's controls show, in the user's language: each
// caption at load, and what a control shows only later (the start box's
// caption while running, the prompt, the widest countdowns and the overflow
// message). Never what a control holds when the font is fitted: text a user
// typed is no caption.
std::vector<ShownText> textsToFit(const Window &window);

// Smaller than this is not read.
constexpr double SmallestFontPoints = 6;

// How far a button's caption keeps from its edges, on each side, in pixels at 96 dpi.
constexpr int CaptionMarginX = 4, CaptionMarginY = 2;

} // namespace Layout
