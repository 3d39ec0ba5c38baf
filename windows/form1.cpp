// SPDX-License-Identifier: MIT
#include "form1.h"

#include "colours.h"
#include "fitting.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *label(QWidget *parent, const char *name, QRect pixels)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(pixels);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColour(l, HighlightTextColour);
    return l;
}

QString instructions()
{
    return QObject::tr(
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
}

QString tips()
{
    return QObject::tr("Lucid Deam Tips:") + QLatin1Char('\n')
        + QObject::tr(
            "Many web sites explain what a lucid dream is and how to have one; search the web for "
            "lucid dreaming to find them. One of the main methods is to check often during the "
            "day whether you are dreaming, for example whether time runs in a straight line, "
            "which it does not in a dream: look at the time, wait a couple of seconds, and look "
            "again.");
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(438, 378);

    // Created in tab order. Paragraphs are real line breaks: runs of blanks
    // would only push text to a new line for one font at one size.
    Label1 = label(this, "Label1", QRect(8, 32, 417, 193));
    Label1->setText(instructions());
    Label2 = label(this, "Label2", QRect(144, 8, 113, 17));
    Label2->setText(tr("Wakeprober Help"));
    Command1 = new QPushButton(tr("Exit"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(192, 336, 49, 33);
    Command1->setAutoDefault(true); // Enter presses it, as Space does
    Label3 = label(this, "Label3", QRect(8, 240, 417, 81));
    Label3->setText(tips());

    fitFont();
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void Form1::fitFont()
{
    std::vector<TextRoom> texts;
    for (QLabel *l : { Label1, Label2, Label3 })
        texts.push_back({ l->text(), l->size(), true });
    texts.push_back({ Command1->text(), Command1->size() - QSize(8, 4), false });
    const QFont fitted = fittingFont(QApplication::font(), texts);
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->setFont(fitted);
}
