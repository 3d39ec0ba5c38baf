// SPDX-License-Identifier: MIT
#pragma once

#include "translatable.h"

// The desktop entry's and the metainfo's texts, marked for the translators.
// The build writes them, in English and in every language of translations/,
// into both files; nothing compiles this list.
namespace DesktopTexts {

//: The desktop entry's GenericName: what the program is, in two or three words.
constexpr const char *GenericName = Translatable("Desktop", "Reality-Check Reminder");
//: The desktop entry's Comment, shown as a tooltip in menus: one short sentence.
constexpr const char *Comment
    = Translatable("Desktop", "Reminds you at intervals to check whether you are dreaming");
//: Search words for the desktop's menu, each followed by a semicolon. Keep the semicolons.
constexpr const char *Keywords
    = Translatable("Desktop", "lucid;dream;reality check;reminder;timer;");
//: The software centre's one-line summary, without a full stop.
constexpr const char *Summary
    = Translatable("Desktop", "Reminds you to check whether you are dreaming");
//: The software centre's description: one paragraph.
constexpr const char *Description = Translatable("Desktop",
    "Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an "
    "optional beep and its window brought in front of all others, to stop for a moment and check "
    "whether you are awake or dreaming. Made a habit during the day, the check carries over into "
    "your dreams and helps you have lucid dreams at night.");
//: The caption of the screenshot in the software centre.
constexpr const char *ScreenshotCaption
    = Translatable("Desktop", "The main window prompting for a check");

} // namespace DesktopTexts
