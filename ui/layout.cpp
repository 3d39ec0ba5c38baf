// SPDX-License-Identifier: MIT
#include "layout.h"

#include "cycle.h"
#include "translatable.h"

#include <iterator>

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

    // The donation notice is left out: there is nowhere honest to send money
    // to. Its label keeps its place and font, hidden.
    constexpr Control WakeprobeRows[] = {
        { .name = "Check1",
            .kind = CheckBox,
            .twips = { 120, 120, 1215, 1095 },
            .text = StartCaption,
            .id = 101 },
        { .name = "Text1",
            .kind = TextBox,
            .twips = { 1680, 120, 2535, 1215 },
            .accessibleName = CountdownName,
            .id = 102 },
        { .name = "Check2",
            .kind = CheckBox,
            .twips = { 120, 1440, 1215, 975 },
            .accessibleName = PromptName,
            .enabled = false,
            .id = 103 },
        { .name = "Check3",
            .kind = CheckBox,
            .twips = { 120, 2640, 1215, 975 },
            .text = BeepCaption,
            .id = 104 },
        { .name = "Text2",
            .kind = TextBox,
            .twips = { 2880, 1560, 735, 375 },
            .text = "30",
            .accessibleName = MinutesCaption,
            .id = 105 },
        { .name = "Label2",
            .kind = Label,
            .twips = { 1680, 1560, 1095, 495 },
            .text = MinutesCaption,
            .id = 106 },
        { .name = "Label1",
            .kind = Label,
            .twips = { 1680, 2280, 1095, 495 },
            .text = FlashesCaption,
            .id = 107 },
        { .name = "Text3",
            .kind = TextBox,
            .twips = { 2880, 2280, 735, 375 },
            .text = "20",
            .accessibleName = FlashesCaption,
            .id = 108 },
        { .name = "Check4",
            .kind = CheckBox,
            .twips = { 120, 3840, 1215, 855 },
            .text = FrontCaption,
            .checked = true,
            .id = 109 },
        { .name = "Label3",
            .kind = Label,
            .twips = { 1680, 3000, 2535, 615 },
            .visible = false,
            .fontFamily = "MS Sans Serif",
            .fontPoints = 12,
            .id = 110 },
        { .name = "Command1",
            .kind = CommandButton,
            .twips = { 1680, 4080, 855, 615 },
            .text = HelpCaption,
            .id = 111 },
        { .name = "Command2",
            .kind = CommandButton,
            .twips = { 2760, 4080, 855, 615 },
            .text = ExitCaption,
            .id = 112 },
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

    constexpr Control Form1Rows[] = {
        { .name = "Label1",
            .kind = Label,
            .twips = { 120, 480, 6255, 2895 },
            .text = Instructions,
            .id = 201 },
        { .name = "Label2",
            .kind = Label,
            .twips = { 2160, 120, 1695, 255 },
            .text = HelpHeading,
            .id = 202 },
        { .name = "Command1",
            .kind = CommandButton,
            .twips = { 2880, 5040, 735, 495 },
            .text = HelpExitCaption,
            .id = 203 },
        { .name = "Label3",
            .kind = Label,
            .twips = { 120, 3600, 6255, 1215 },
            .text = Tips,
            .id = 204 },
    };

    // The enums name the rows: a row out of place, or a name mistyped, does
    // not compile.
    template <typename Id, std::size_t N>
    constexpr bool row(const Control (&rows)[N], Id id, std::string_view name)
    {
        return std::size_t(id) < N && rows[std::size_t(id)].name == name;
    }
    static_assert(std::size(WakeprobeRows) == std::size_t(Main::Command2) + 1
        && row(WakeprobeRows, Main::Check1, "Check1") && row(WakeprobeRows, Main::Text1, "Text1")
        && row(WakeprobeRows, Main::Check2, "Check2") && row(WakeprobeRows, Main::Check3, "Check3")
        && row(WakeprobeRows, Main::Text2, "Text2") && row(WakeprobeRows, Main::Label2, "Label2")
        && row(WakeprobeRows, Main::Label1, "Label1") && row(WakeprobeRows, Main::Text3, "Text3")
        && row(WakeprobeRows, Main::Check4, "Check4") && row(WakeprobeRows, Main::Label3, "Label3")
        && row(WakeprobeRows, Main::Command1, "Command1")
        && row(WakeprobeRows, Main::Command2, "Command2"));
    static_assert(std::size(Form1Rows) == std::size_t(Help::Label3) + 1
        && row(Form1Rows, Help::Label1, "Label1") && row(Form1Rows, Help::Label2, "Label2")
        && row(Form1Rows, Help::Command1, "Command1") && row(Form1Rows, Help::Label3, "Label3"));

} // namespace

const Window Wakeprobe { "Wakeprobe", 5595, 4965, WakeprobeRows };
const Window Form1 { "Form1", 6570, 5670, Form1Rows };
const std::string_view HelpInstructions = Instructions;
const std::string_view HelpTips = Tips;

Rect place(const Window &window, const Control &control, Direction direction, Origin origin)
{
    Rect r = control.twips;
    if (direction == Direction::RightToLeft && origin == Origin::Left)
        r.left = window.widthTwips - r.left - r.width;
    return r;
}

} // namespace Layout
