// SPDX-License-Identifier: MIT
#include "layout.h"

#include "translatable.h"

#include <algorithm>

namespace Layout {

namespace {

    using enum Kind;

    // The room each text has, at 96 dpi, is said to the translators.
    //: The start box's caption while paused: wraps in about 55 x 70 px, three short lines.
    constexpr std::string_view StartCaption = Translatable("Wakeprobe", "Start Wakeprobe");
    //: What a screen reader calls the countdown box.
    constexpr std::string_view CountdownName = Translatable("Wakeprobe", "Countdown");
    //: A check box caption: wraps in about 55 x 62 px, four short lines at most.
    constexpr std::string_view BeepCaption = Translatable("Wakeprobe", "Beep when timer triggers");
    //: A check box caption: wraps in about 55 x 54 px, three short lines at most.
    constexpr std::string_view FrontCaption
        = Translatable("Wakeprobe", "Window to front when timer triggers");
    //: A button of about 50 x 37 px.
    constexpr std::string_view HelpCaption = Translatable("Wakeprobe", "Help");
    //: A button of about 50 x 37 px.
    constexpr std::string_view ExitCaption = Translatable("Wakeprobe", "Exit");
    //: The help window's heading: one line of about 113 px.
    constexpr std::string_view HelpHeading = Translatable("Form1", "Wakeprober Help");
    //: The help window's button, of about 45 x 29 px.
    constexpr std::string_view HelpExitCaption = Translatable("Form1", "Exit");

    constexpr Control WakeprobeControls[] = {
        { "Check1", CheckBox, { 120, 120, 1215, 1095 }, StartCaption, {}, true, false, true, 101 },
        { "Text1", TextBox, { 1680, 120, 2535, 1215 }, "", CountdownName, true, false, true, 102 },
        { "Check2", CheckBox, { 120, 1440, 1215, 975 }, "", PromptAccessibleName, false, false,
            true, 103 },
        { "Check3", CheckBox, { 120, 2640, 1215, 975 }, BeepCaption, {}, true, false, true, 104 },
        { "Text2", TextBox, { 2880, 1560, 735, 375 }, "30", MinutesCaption, true, false, true,
            105 },
        { "Label2", Label, { 1680, 1560, 1095, 495 }, MinutesCaption, {}, true, false, true, 106 },
        { "Label1", Label, { 1680, 2280, 1095, 495 }, FlashesCaption, {}, true, false, true, 107 },
        { "Text3", TextBox, { 2880, 2280, 735, 375 }, "20", FlashesCaption, true, false, true,
            108 },
        { "Check4", CheckBox, { 120, 3840, 1215, 855 }, FrontCaption, {}, true, true, true, 109 },
        { "Label3", Label, { 1680, 3000, 2535, 615 }, "", {}, true, false, false, 110 },
        { "Command1", CommandButton, { 1680, 4080, 855, 615 }, HelpCaption, {}, true, false, true,
            111 },
        { "Command2", CommandButton, { 2760, 4080, 855, 615 }, ExitCaption, {}, true, false, true,
            112 },
    };

    //: The help window's instructions: about 417 x 193 px. Keep the line breaks
    //: between the points, and quote the captions as the main window shows them.
    //: Say that numbers take a decimal point (0.5), not a comma.
    constexpr std::string_view Instructions = Translatable("Form1",
        "Wakeprober reminds you during the day, at intervals you set, to check whether you are "
        "dreaming. The habit carries over into your sleep and helps you have lucid dreams.\n"
        "Click the top-left box, \"Start Wakeprobe\", to start the timer; click it again, now "
        "\"Stop Wakeprobe\", to pause it.\n"
        "When the time is up, the second box down flashes and asks you to do a wakeprobe; it "
        "also beeps if \"Beep when timer triggers\" is ticked. Click the flashing box, or wait "
        "for the automatic reset.\n"
        "Tick \"Window to front when timer triggers\" to bring the window in front of all other "
        "open windows when the timer triggers.\n"
        "Type the minutes between checks in the box next to \"Minutes till timer triggers\" "
        "(30 at start).\n"
        "Type how many times it flashes and beeps in the box next to \"Flashes/Beeps till auto "
        "reset\" (20 at start).\n"
        "Click Exit to close the program.\n"
        "Please report faults and send suggestions through the project's issue tracker.");

    //: The help window's tips, about 417 x 81 px: a heading, a line break, one paragraph.
    constexpr std::string_view Tips = Translatable("Form1",
        "Lucid Deam Tips:\n"
        "Many web sites explain what a lucid dream is and how to have one; search the web for "
        "lucid dreaming to find them. One of the main methods is to check often during the day "
        "whether you are dreaming, for example whether time runs in a straight line, which it "
        "does not in a dream: look at the time, wait a couple of seconds, and look again.");

    constexpr Control Form1Controls[] = {
        { "Label1", Label, { 120, 480, 6255, 2895 }, Instructions, {}, true, false, true, 201 },
        { "Label2", Label, { 2160, 120, 1695, 255 }, HelpHeading, {}, true, false, true, 202 },
        { "Command1", CommandButton, { 2880, 5040, 735, 495 }, HelpExitCaption, {}, true, false,
            true, 203 },
        { "Label3", Label, { 120, 3600, 6255, 1215 }, Tips, {}, true, false, true, 204 },
    };

} // namespace

const Window Wakeprobe { "Wakeprobe", 5595, 4965, WakeprobeControls };
const Window Form1 { "Form1", 6570, 5670, Form1Controls };
const std::string_view HelpInstructions = Instructions;
const std::string_view HelpTips = Tips;

const Control *find(const Window &window, std::string_view name)
{
    const auto it = std::find_if(window.controls.begin(), window.controls.end(),
        [name](const Control &c) { return c.name == name; });
    return it == window.controls.end() ? nullptr : &*it;
}

Rect place(const Window &window, const Control &control, Direction direction, Origin origin)
{
    Rect r = control.twips;
    if (direction == Direction::RightToLeft && origin == Origin::Left)
        r.left = window.widthTwips - r.left - r.width;
    return r;
}

} // namespace Layout
