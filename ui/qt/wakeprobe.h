// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "cycle.h"

#include <QPointer>
#include <QWidget>

class CheckBox;
class Form1;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The main window: the fixed layout of named controls, the one-second timer,
// and the "Help" and "Exit" buttons. What the controls mean over time is the
// reminder cycle's business; this class only hosts it, forwards its events
// and offers it the controls.
class Wakeprobe final : public QWidget, public WakeprobeControls {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Wakeprobe)

public:
    explicit Wakeprobe(QWidget *parent = nullptr);
    ~Wakeprobe() override;

    // WakeprobeControls
    std::string text2() const override;
    std::string text3() const override;
    void setText1(std::string_view text) override;
    CheckValue check1Value() const override;
    void setCheck1Value(CheckValue value) override;
    void setCheck1Caption(std::string_view caption) override;
    CheckValue check2Value() const override;
    void setCheck2Value(CheckValue value) override;
    void setCheck2Caption(std::string_view caption) override;
    void setCheck2AccessibleName(std::string_view name) override;
    void setCheck2Enabled(bool enabled) override;
    CheckValue check3Value() const override;
    CheckValue check4Value() const override;
    void setTitle(std::string_view title) override;
    WindowHandle hWnd() const override;
    void beep() override;

    // The timer's tick, also for tests that step time themselves.
    void timer1Tick();
    Form1 *helpWindow() const;

protected:
    void paintCheck2(Colour colour) override;
    void runTimer1(bool running) override;

private:
    void buildControls();
    void connectControls();
    void showHelp();

    CheckBox *Check1 = nullptr;
    QLineEdit *Text1 = nullptr;
    CheckBox *Check2 = nullptr;
    CheckBox *Check3 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text3 = nullptr;
    CheckBox *Check4 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QTimer *Timer1 = nullptr;

    QPointer<Form1> m_help;
    ReminderCycle m_cycle;
};
