// SPDX-License-Identifier: MIT
#pragma once

#include "translatable.h"
#include "types.h"

#include <cstddef>
#include <span>
#include <string_view>

// What both windows show, written once for every toolkit: each control's
// name, kind, place in twips, caption and initial state, in tab order, and
// the help texts. A shell turns this into its own controls; it adds only
// what its toolkit needs.
namespace Layout {

constexpr int TwipsPerInch = 1440;

enum class Kind { CheckBox, TextBox, Label, CommandButton };

struct Rect {
    int left, top, width, height; // twips, within the window's client area
};

// The main window's controls and the help window's, in tab order: a control
// is named by its place in its window's table, which the compiler checks
// against the table's names.
enum class Main {
    Check1,
    Text1,
    Check2,
    Check3,
    Text2,
    Label2,
    Label1,
    Text3,
    Check4,
    Label3,
    Command1,
    Command2
};
enum class Help { Label1, Label2, Command1, Label3 };

struct Control {
    std::string_view name;
    Kind kind;
    Rect twips;
    std::string_view text = {}; // caption or text at load
    // What a screen reader calls it, where that is not its caption: a text
    // box's label, or the role of a control that starts empty.
    std::string_view accessibleName = {};
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    // A font of its own; without one, the window's fitted font.
    std::string_view fontFamily = {};
    int fontPoints = 0;
    // Win32 control id; in tab order, so that a driver can find it by name.
    int id = 0;
};

struct Window {
    std::string_view name;
    int widthTwips, heightTwips; // client area
    std::span<const Control> controls; // in tab order
};

// The main window's light blue. Check boxes and labels stand on the system
// colour for highlighted text (HighlightTextColour); text boxes and buttons
// keep the window system's own colours.
constexpr Colour WakeprobeBackColour = 0x00FF8080;
constexpr bool onHighlightText(Kind kind) { return kind == Kind::CheckBox || kind == Kind::Label; }

extern const Window Wakeprobe;
extern const Window Form1;

inline const Control &control(Main c) { return Wakeprobe.controls[std::size_t(c)]; }
inline const Control &control(Help c) { return Form1.controls[std::size_t(c)]; }
inline std::size_t indexOf(const Window &window, const Control &c)
{
    return std::size_t(&c - window.controls.data());
}

// Check boxes' and labels' captions wrap within the control; a text box's
// text and a button's caption stay on one line.
constexpr bool wraps(Kind kind) { return kind == Kind::CheckBox || kind == Kind::Label; }

// Which way the user's language reads, as its catalogue says in Qt's own
// convention (which Qt itself follows): "RTL" for right to left.
//: Type RTL in a right-to-left language (Arabic, Hebrew), LTR in any other: it mirrors the windows.
constexpr std::string_view LayoutDirectionKey
    = Translatable("QGuiApplication", "QT_LAYOUT_DIRECTION");
enum class Direction { LeftToRight, RightToLeft };

// Where a window system measures a child's left edge from. Qt: always the
// left of the parent's client area. Win32, in a window made with
// WS_EX_LAYOUTRTL: the right, the system mirroring each child by itself.
enum class Origin { Left, ReadingStart };

// Where a control goes, in twips: in a right-to-left window at the mirror
// image of its place in the table, its left edge measured from the right of
// the client area, so that the whole window reads from the right. A window
// system that mirrors by itself gets the table's own place, to be mirrored once.
Rect place(const Window &window, const Control &control, Direction direction, Origin origin);

// In a right-to-left window text boxes and labels align their text to the
// right, where it starts; check boxes and buttons are mirrored whole.
constexpr bool alignsRightWhenMirrored(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::Label;
}

//: A text box's caption: wraps in about 73 x 33 px, two short lines.
constexpr std::string_view MinutesCaption
    = Translatable("Wakeprobe", "Minutes till timer triggers");
//: A text box's caption: wraps in about 73 x 33 px, two short lines.
constexpr std::string_view FlashesCaption
    = Translatable("Wakeprobe", "Flashes/Beeps till auto reset");

// Texts that a control shows at some point, not at load: the font must fit
// them too. The countdown is its prefix followed by one of the widest numbers.
constexpr std::string_view WidestNumbers[] = { " 1799", "-21" };

// The help window's texts. Paragraphs are real line breaks: the runs of
// blanks of old would only push text to a new line for one font at one size.
extern const std::string_view HelpInstructions;
extern const std::string_view HelpTips;

} // namespace Layout
