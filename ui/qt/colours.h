// SPDX-License-Identifier: MIT
#pragma once

#include "types.h"

#include <QColor>
#include <QPalette>

// The layout's 0x00BBGGRR colours as Qt colours. The one system colour it
// uses, highlighted text, is the palette's; so is any other system colour.
inline QColor toQColor(Colour c, const QPalette &palette)
{
    if (isSystemColour(c))
        return palette.color((c & 0xFF) == 0x0E ? QPalette::HighlightedText : QPalette::Window);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Gives a control the layout's background, with dark text to read on it.
inline void setBackColour(QWidget *w, Colour c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, toQColor(c, p));
    p.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(p);
    w->setBackgroundRole(QPalette::Window); // buttons would fill with Button
    w->setAutoFillBackground(true);
}
