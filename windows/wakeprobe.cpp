// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include "bell.h"
#include "checkbox.h"
#include "colours.h"
#include "fitting.h"
#include "form1.h"
#include "module1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

constexpr Colour WindowColour = 0x00FF8080; // light blue
constexpr int TwipsPerPixel = 15; // at 96 dots per inch

template <typename W>
W *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(
        left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
    return w;
}

QString fromStd(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace

Wakeprobe::Wakeprobe(QWidget *parent)
    : QWidget(parent)
    , m_cycle(*this, &Module1::SetTopmost)
{
    setObjectName(QStringLiteral("Wakeprobe"));
    setFixedSize(5595 / TwipsPerPixel, 4965 / TwipsPerPixel);
    setBackColour(this, WindowColour);
    buildControls();
    fitFont();
    connectControls();
    m_cycle.load();
}

Wakeprobe::~Wakeprobe() = default;

void Wakeprobe::buildControls()
{
    // Created in tab order, which Qt's focus chain follows.
    Check1 = place<CheckBox>(this, "Check1", 120, 120, 1215, 1095);
    Check1->setText(tr("Start Wakeprobe"));
    Text1 = place<QLineEdit>(this, "Text1", 1680, 120, 2535, 1215);
    Text1->setAccessibleName(tr("Countdown"));
    Check2 = place<CheckBox>(this, "Check2", 120, 1440, 1215, 975);
    Check2->setEnabled(false);
    setCheck2Caption("");
    Check3 = place<CheckBox>(this, "Check3", 120, 2640, 1215, 975);
    Check3->setText(tr("Beep when timer triggers"));
    Text2 = place<QLineEdit>(this, "Text2", 2880, 1560, 735, 375);
    Text2->setText(QStringLiteral("30"));
    Label2 = place<QLabel>(this, "Label2", 1680, 1560, 1095, 495);
    Label2->setText(tr("Minutes till timer triggers"));
    Label1 = place<QLabel>(this, "Label1", 1680, 2280, 1095, 495);
    Label1->setText(tr("Flashes/Beeps till auto reset"));
    Text3 = place<QLineEdit>(this, "Text3", 2880, 2280, 735, 375);
    Text3->setText(QStringLiteral("20"));
    Check4 = place<CheckBox>(this, "Check4", 120, 3840, 1215, 855);
    Check4->setText(tr("Window to front when timer triggers"));
    Check4->setChecked(true);
    // The donation notice is left out: there is nowhere honest to send money to.
    Label3 = place<QLabel>(this, "Label3", 1680, 3000, 2535, 615);
    Label3->setFont(QFont(QStringLiteral("MS Sans Serif"), 12));
    Label3->hide();
    Command1 = place<QPushButton>(this, "Command1", 1680, 4080, 855, 615);
    Command1->setText(tr("Help"));
    Command2 = place<QPushButton>(this, "Command2", 2760, 4080, 855, 615);
    Command2->setText(tr("Exit"));
    // Enter, not only Space, presses the focused button.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);

    for (QWidget *w :
        std::initializer_list<QWidget *> { Check1, Check2, Check3, Check4, Label1, Label2, Label3 })
        setBackColour(w, HighlightTextColour);
    for (QLabel *label : { Label1, Label2, Label3 }) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Label2->setBuddy(Text2);
    Label1->setBuddy(Text3);
    Text2->setAccessibleName(Label2->text());
    Text3->setAccessibleName(Label1->text());

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
        texts.push_back({ box->text(), box->captionRect().size(), true });
    texts.push_back({ QStringLiteral("Do wakeprobe. Click to reset timer"),
        Check2->captionRect().size(), true });
    for (QLabel *label : { Label1, Label2 })
        texts.push_back({ label->text(), label->size(), true });
    for (const char *shown : { "Seconds to next Check  1799", "Seconds to next Check -21" })
        texts.push_back({ QLatin1String(shown), lineRoom(Text1), false });
    texts.push_back({ tr("Interval or limit too large"), lineRoom(Text1), false });
    for (QPushButton *button : { Command1, Command2 })
        texts.push_back({ button->text(), button->size() - QSize(8, 4), false });

    const QFont fitted = fittingFont(QApplication::font(), texts);
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != Label3)
            w->setFont(fitted);
}

void Wakeprobe::connectControls()
{
    // toggled, not clicked: a screen reader's Toggle action flips the box
    // without a click, and must start and pause it all the same.
    connect(Check1, &QCheckBox::toggled, this, [this] { m_cycle.check1Clicked(); });
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
        Text1->setText(tr("Interval or limit too large"));
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
void Wakeprobe::setCheck1Value(CheckValue value) { Check1->setChecked(value != 0); }
void Wakeprobe::setCheck1Caption(std::string_view caption) { Check1->setText(fromStd(caption)); }
CheckValue Wakeprobe::check2Value() const { return Check2->isChecked() ? 1 : 0; }
void Wakeprobe::setCheck2Value(CheckValue value) { Check2->setChecked(value != 0); }
void Wakeprobe::setCheck2Caption(std::string_view caption)
{
    Check2->setText(fromStd(caption));
    // A screen reader announces the prompt itself while there is one.
    Check2->setAccessibleName(caption.empty() ? tr("Prompt") : Check2->text());
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
