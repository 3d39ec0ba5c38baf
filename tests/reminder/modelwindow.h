// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "cycle.h"

#include <string>
#include <vector>

// The main window reduced to its named controls, in the state the layout
// gives them, recording what the cycle asks of the window system.
struct ModelWindow final : WakeprobeControls {
    static constexpr WindowHandle Handle = 0x2a00017;

    std::string Text1, Text2 = "30", Text3 = "20";
    CheckValue Check1 = 0, Check2 = 0, Check3 = 0, Check4 = 1;
    std::string Check1Caption = "Start Wakeprobe", Check2Caption, Check2Name = "Prompt";
    int check2Captioned = 0; // how often the caption was set
    bool Check2Enabled = false;
    Colour Check2Colour = HighlightTextColour;
    bool Timer1Enabled = true;
    int timerStarts = 0;
    std::string Title;

    int beeps = 0;
    std::vector<std::string> text1Writes;
    struct TopmostCall {
        WindowHandle handle;
        Truth on;
    };
    std::vector<TopmostCall> topmostCalls;

    std::string text2() const override { return Text2; }
    std::string text3() const override { return Text3; }
    void setText1(std::string_view t) override
    {
        Text1 = t;
        text1Writes.emplace_back(t);
    }
    CheckValue check1Value() const override { return Check1; }
    void setCheck1Value(CheckValue v) override { Check1 = v; }
    void setCheck1Caption(std::string_view c) override { Check1Caption = c; }
    CheckValue check2Value() const override { return Check2; }
    void setCheck2Value(CheckValue v) override { Check2 = v; }
    void setCheck2Caption(std::string_view c) override
    {
        Check2Caption = c;
        ++check2Captioned;
    }
    void setCheck2AccessibleName(std::string_view n) override { Check2Name = n; }
    void setCheck2Enabled(bool e) override { Check2Enabled = e; }
    CheckValue check3Value() const override { return Check3; }
    CheckValue check4Value() const override { return Check4; }
    void setTitle(std::string_view t) override { Title = t; }
    WindowHandle hWnd() const override { return Handle; }
    void beep() override { ++beeps; }
    void paintCheck2(Colour c) override { Check2Colour = c; }
    void runTimer1(bool running) override
    {
        Timer1Enabled = running;
        timerStarts += running;
    }

    ReminderCycle::SetTopmostFn recorder()
    {
        return [this](const WindowHandle &h, const Truth &on) {
            topmostCalls.push_back({ h, on });
            return 1;
        };
    }

    // What a user's click on an enabled check box does.
    void clickCheck1() { Check1 = Check1 ? 0 : 1; }
    void clickCheck2()
    {
        if (Check2Enabled)
            Check2 = Check2 ? 0 : 1;
    }
};
