// SPDX-License-Identifier: MIT
#include "paint.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

// The layout's 0x00BBGGRR colours as Qt's, and back.
QColor toQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
Colour fromQColor(const QColor &c)
{
    return Colour(c.red()) | Colour(c.green()) << 8 | Colour(c.blue()) << 16;
}

// The system's colours are the palette's roles of the same meaning.
Colour fromPalette(Colours::System s)
{
    const QPalette palette = QApplication::palette();
    switch (s) {
    case Colours::System::Window:
        return fromQColor(palette.color(QPalette::Window));
    case Colours::System::WindowText:
        return fromQColor(palette.color(QPalette::WindowText));
    case Colours::System::Highlight:
        return fromQColor(palette.color(QPalette::Highlight));
    case Colours::System::HighlightText:
        return fromQColor(palette.color(QPalette::HighlightedText));
    case Colours::System::ButtonFace:
        return fromQColor(palette.color(QPalette::Button));
    case Colours::System::GrayText:
        return fromQColor(palette.color(QPalette::Disabled, QPalette::WindowText));
    }
    return 0;
}

} // namespace

void paint(QWidget *w, Colours::Surface surface)
{
    // The desktop tells no high contrast apart from its palette, which is
    // the user's choice either way.
    const Colours::Pair pair = Colours::of(surface, false, fromPalette);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, toQColor(pair.back));
    p.setColor(QPalette::WindowText, toQColor(pair.text));
    w->setPalette(p);
    w->setBackgroundRole(QPalette::Window); // buttons would fill with Button
    w->setAutoFillBackground(true);
}
