// SPDX-License-Identifier: MIT
#pragma once

#include "cycle.h"
#include "layout.h"

#include <string>
#include <string_view>
#include <vector>

// The user's language's form of an English text marked Translatable in that
// context, from the shell's own catalogue (Qt's translator, or the string
// tables that Windows picks by the display language); the English text
// itself where there is none. One body per shell.
std::string translated(std::string_view context, std::string_view english);

inline CycleTexts translatedCycleTexts()
{
    const CycleTexts english;
    return { translated("Wakeprobe", english.paused), translated("Wakeprobe", english.running),
        translated("Wakeprobe", english.countdownPrefix), translated("Wakeprobe", english.prompt) };
}

// The user's language's reading direction, from its catalogue.
inline Layout::Direction readingDirection()
{
    return translated("QGuiApplication", Layout::LayoutDirectionKey) == "RTL"
        ? Layout::Direction::RightToLeft
        : Layout::Direction::LeftToRight;
}

// What the countdown box shows after load at its widest, in the user's
// language: the countdown with the widest numbers, and the overflow message.
inline std::vector<std::string> widestCountdowns()
{
    const std::string prefix = translated("Wakeprobe", CycleTexts {}.countdownPrefix);
    std::vector<std::string> shown;
    for (std::string_view number : Layout::WidestNumbers)
        shown.push_back(prefix + std::string(number));
    shown.push_back(translated("Wakeprobe", Layout::OverflowMessage));
    return shown;
}
