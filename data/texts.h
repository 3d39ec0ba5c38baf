// SPDX-License-Identifier: MIT
#pragma once

#include "translatable.h"

// The desktop entry's, the metainfo's and the Windows setup program's texts,
// marked for the translators. The build writes them, in English and in every
// language of translations/, into those files; nothing compiles these lists.
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

// The setup program's own texts, beside those NSIS brings in each language
// (packaging/windows/string_tables.py reads this list: one literal per text).
namespace SetupTexts {

//: The title of the setup's page of choices, in the style of NSIS's own page titles.
constexpr const char *OptionsTitle = Translatable("Setup", "Choose Installation Options");
//: Below that title: one short sentence.
constexpr const char *OptionsSubtitle
    = Translatable("Setup", "Choose who can use Wakeprober and whether it starts by itself.");
//: A radio button of about 420 x 20 px.
constexpr const char *ForMe = Translatable("Setup", "Only for me (no administrator rights needed)");
//: A radio button of about 420 x 20 px.
constexpr const char *ForAll
    = Translatable("Setup", "For all users of this computer (needs administrator rights)");
//: A check box of about 420 x 20 px: start the program when a user signs in to Windows.
constexpr const char *StartAtSignIn = Translatable("Setup", "Start Wakeprober at sign-in");
//: A message box with the buttons Retry and Cancel; name the Retry button as Windows does.
constexpr const char *Running
    = Translatable("Setup", "Wakeprober is running. Close it, then click Retry.");
//: A message box, after the user refused Windows' request for administrator rights.
constexpr const char *NoAdministrator = Translatable(
    "Setup", "Installing for all users needs an administrator's consent, which was not given.");
//: A message box, after the user refused Windows' request for administrator rights, asked
//: for before the installation for all users is removed (by the setup or the uninstaller).
constexpr const char *RemoveNoAdministrator = Translatable(
    "Setup", "Removing Wakeprober for all users needs an administrator's consent, which was not given.");
//: A message box when Windows could not start the setup or the uninstaller with administrator
//: rights, for a reason other than a refusal. %1 is Windows' own description of the error
//: and its number.
constexpr const char *ElevationFailed
    = Translatable("Setup", "Windows could not run this program with administrator rights: %1");
//: A label of about 420 x 40 px on the setup's page of choices. %1 is a folder.
constexpr const char *Replaces
    = Translatable("Setup", "Wakeprober is installed in %1. This installation replaces it.");

} // namespace SetupTexts
