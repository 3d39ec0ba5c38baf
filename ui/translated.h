// SPDX-License-Identifier: MIT
#pragma once

#include "cycle.h"
#include "layout.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The user's language's form of an English text marked Translatable in that
// context, from the shell's own catalogue (Qt's translator, or the string
// tables that Windows picks by the display language); the English text
// itself where there is none. One body per shell.
std::string translated(std::string_view context, std::string_view english);

inline CycleTexts translatedCycleTexts()
{
    CycleTexts texts;
    for (std::string *text : { &texts.paused, &texts.running, &texts.countdownPrefix, &texts.prompt,
             &texts.promptName, &texts.overflow })
        *text = translated("Wakeprobe", *text);
    return texts;
}

// The user's language's reading direction, from its catalogue.
inline Layout::Direction readingDirection()
{
    return translated("QGuiApplication", Layout::LayoutDirectionKey) == "RTL"
        ? Layout::Direction::RightToLeft
        : Layout::Direction::LeftToRight;
}
