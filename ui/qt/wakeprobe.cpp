// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include "bell.h"
#include "buildlayout.h"
#include "checkbox.h"
#include "fitting.h"
#include "form1.h"
#include "module1.h"
#include "paint.h"
#include "translated.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

Wakeprobe::Wakeprobe(QWidget *parent)
    : QWidget(parent)
    , m_cycle(*this, &Module1::SetTopmostInView, translatedCycleTexts())
{
    paint(this, Colours::Surface::MainWindow);
    buildControls();
    connectControls();
    m_cycle.load();
}

Wakeprobe::~Wakeprobe() = default;

void Wakeprobe::buildControls()
{
    using M = Layout::Main;
    const Controls controls = buildFromLayout(this, Layout::Wakeprobe);
    Check1 = widget<CheckBox>(controls, M::Check1);
    Text1 = widget<QLineEdit>(controls, M::Text1);
    Check2 = widget<CheckBox>(controls, M::Check2);
    Check3 = widget<CheckBox>(controls, M::Check3);
    Text2 = widget<QLineEdit>(controls, M::Text2);
    Label2 = widget<QLabel>(controls, M::Label2);
    Label1 = widget<QLabel>(controls, M::Label1);
    Text3 = widget<QLineEdit>(controls, M::Text3);
    Check4 = widget<CheckBox>(controls, M::Check4);
    Label3 = widget<QLabel>(controls, M::Label3);
    Command1 = widget<QPushButton>(controls, M::Command1);
    Command2 = widget<QPushButton>(controls, M::Command2);
    fitFont(this, Layout::Wakeprobe, controls);
    Label2->setBuddy(Text2);
    Label1->setBuddy(Text3);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    // Coarse timers may run up to 5% off; the user's interval is made of ticks.
    Timer1->setTimerType(Qt::PreciseTimer);
}

void Wakeprobe::connectControls()
{
    // toggled, not clicked: a screen reader's Toggle action flips the box
    // without a click, and must start and pause it all the same.
    connect(Check1, &QCheckBox::toggled, this, [this] { m_cycle.check1Clicked(); });
    // The first beep is as quick as the later ones when the sound is made
    // ready as soon as the user asks for it.
    connect(Check3, &QCheckBox::toggled, this, [](bool on) {
        if (on)
            PrepareSystemBeep();
    });
    connect(Timer1, &QTimer::timeout, this, &Wakeprobe::timer1Tick);
    connect(Command1, &QPushButton::clicked, this, &Wakeprobe::showHelp);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void Wakeprobe::timer1Tick() { m_cycle.timer1TickOrHalt(); }

void Wakeprobe::showHelp()
{
    // One help window at most, independent of this one: no parent, no owner.
    if (m_help == nullptr)
        m_help = new Form1;
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

Form1 *Wakeprobe::helpWindow() const { return m_help; }

std::string Wakeprobe::text2() const { return Text2->text().toStdString(); }
std::string Wakeprobe::text3() const { return Text3->text().toStdString(); }
void Wakeprobe::setText1(std::string_view text) { Text1->setText(fromStd(text)); }
CheckValue Wakeprobe::check1Value() const { return Check1->isChecked() ? 1 : 0; }
void Wakeprobe::setCheck1Value(CheckValue value)
{
    // The cycle setting the box is not the user clicking it: no toggled, so
    // the cycle's own click handler is not entered from inside the cycle.
    const QSignalBlocker quiet(Check1);
    Check1->setChecked(value != 0);
}
void Wakeprobe::setCheck1Caption(std::string_view caption) { Check1->setText(fromStd(caption)); }
CheckValue Wakeprobe::check2Value() const { return Check2->isChecked() ? 1 : 0; }
void Wakeprobe::setCheck2Value(CheckValue value) { Check2->setChecked(value != 0); }
void Wakeprobe::setCheck2Caption(std::string_view caption) { Check2->setText(fromStd(caption)); }
void Wakeprobe::setCheck2AccessibleName(std::string_view name)
{
    Check2->setAccessibleName(fromStd(name));
}
void Wakeprobe::setCheck2Enabled(bool enabled) { Check2->setEnabled(enabled); }
CheckValue Wakeprobe::check3Value() const { return Check3->isChecked() ? 1 : 0; }
CheckValue Wakeprobe::check4Value() const { return Check4->isChecked() ? 1 : 0; }
void Wakeprobe::setTitle(std::string_view title) { setWindowTitle(fromStd(title)); }
WindowHandle Wakeprobe::hWnd() const { return static_cast<WindowHandle>(winId()); }
void Wakeprobe::beep() { SystemBeep(); }

void Wakeprobe::paintCheck2(Colour colour) { paint(Check2, Colours::promptSurface(colour)); }

void Wakeprobe::runTimer1(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}
