// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include "bell.h"
#include "buildlayout.h"
#include "checkbox.h"
#include "colours.h"
#include "fitting.h"
#include "form1.h"
#include "layout.h"
#include "module1.h"
#include "texts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

Wakeprobe::Wakeprobe(QWidget *parent)
    : QWidget(parent)
    , m_cycle(*this, &Module1::SetTopmostInView, translatedCycleTexts())
{
    setBackColour(this, Layout::WakeprobeBackColour);
    buildControls();
    fitFont();
    connectControls();
    m_cycle.load();
}

Wakeprobe::~Wakeprobe() = default;

void Wakeprobe::buildControls()
{
    buildFromLayout(this, Layout::Wakeprobe);
    const auto named = [this]<typename W>(W *&member, const char *name) {
        member = findChild<W *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(member != nullptr);
    };
    named(Check1, "Check1");
    named(Text1, "Text1");
    named(Check2, "Check2");
    named(Check3, "Check3");
    named(Text2, "Text2");
    named(Label2, "Label2");
    named(Label1, "Label1");
    named(Text3, "Text3");
    named(Check4, "Check4");
    named(Label3, "Label3");
    named(Command1, "Command1");
    named(Command2, "Command2");

    Label3->setFont(QFont(fromStd(Layout::Label3FontFamily), Layout::Label3FontPoints));
    Label2->setBuddy(Text2);
    Label1->setBuddy(Text3);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    // Coarse timers may run up to 5% off; the user's interval is made of ticks.
    Timer1->setTimerType(Qt::PreciseTimer);
}

void Wakeprobe::fitFont()
{
    const auto lineRoom = [this](QLineEdit *edit) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        constexpr int textMargin = 2; // QLineEdit's own, on each side
        return edit->size() - QSize(2 * (frame + textMargin), 2 * frame);
    };
    std::vector<TextRoom> texts;
    for (CheckBox *box : { Check1, Check3, Check4 })
        texts.push_back({ box->text(), box->captionRect().size(), true, layoutDirection() });
    texts.push_back({ fromStd(translated("Wakeprobe", PromptCaption)), Check2->captionRect().size(),
        true, layoutDirection() });
    // Whichever of its two captions the start box shows, it fits.
    texts.push_back({ fromStd(translatedCycleTexts().running), Check1->captionRect().size(), true,
        layoutDirection() });
    for (QLabel *label : { Label1, Label2 })
        texts.push_back({ label->text(), label->size(), true, layoutDirection() });
    for (const std::string &shown : widestCountdowns())
        texts.push_back({ fromStd(shown), lineRoom(Text1), false });
    for (QPushButton *button : { Command1, Command2 })
        texts.push_back({ button->text(), button->size() - QSize(8, 4), false });

    const QFont fitted = fittingFont(QApplication::font(), texts);
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != Label3)
            w->setFont(fitted);
    for (QLabel *label : { Label1, Label2 })
        label->setContentsMargins(trailingBlank(fitted, layoutDirection()), 0, 0, 0);
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

void Wakeprobe::timer1Tick()
{
    try {
        m_cycle.timer1Tick();
    } catch (const OverflowError &) {
        // Ending the program here would lose what the user set. Stop, clear
        // the prompt and say why; the settings stay for the user to correct.
        m_cycle.haltAfterOverflow();
        Text1->setText(fromStd(translated("Wakeprobe", Layout::OverflowMessage)));
    }
}

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
void Wakeprobe::setCheck2Caption(std::string_view caption)
{
    // Every prompt tick sets the same caption: only a change is worth a new
    // name, which a screen reader would announce each time.
    if (Check2->text() == fromStd(caption))
        return;
    Check2->setText(fromStd(caption));
    // A screen reader announces the prompt itself while there is one.
    Check2->setAccessibleName(caption.empty()
            ? fromStd(translated("Wakeprobe", Layout::PromptAccessibleName))
            : Check2->text());
}
void Wakeprobe::setCheck2Enabled(bool enabled) { Check2->setEnabled(enabled); }
Colour Wakeprobe::check2BackColour() const { return m_check2Colour; }
CheckValue Wakeprobe::check3Value() const { return Check3->isChecked() ? 1 : 0; }
CheckValue Wakeprobe::check4Value() const { return Check4->isChecked() ? 1 : 0; }
void Wakeprobe::setTitle(std::string_view title) { setWindowTitle(fromStd(title)); }
WindowHandle Wakeprobe::hWnd() const { return static_cast<WindowHandle>(winId()); }
void Wakeprobe::beep() { SystemBeep(); }

void Wakeprobe::setCheck2BackColour(Colour colour)
{
    m_check2Colour = colour;
    setBackColour(Check2, colour);
}

void Wakeprobe::setTimer1Enabled(bool enabled)
{
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}
