// SPDX-License-Identifier: MIT
#pragma once

#include "buildlayout.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

// A text and the room a control gives it, in the direction the control reads.
struct TextRoom {
    QString text;
    QSize room;
    bool wrap;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// Qt draws a wrapped right-to-left line one blank further left than it
// measures it: a control wraps such text that much short of its trailing
// (left) edge, or the last word of a line is clipped.
int trailingBlank(const QFont &font, Qt::LayoutDirection direction);

// Whether the text, in this font, can be read in full within its room.
bool fits(const QFont &font, const TextRoom &t);

// The largest size, from the font's own down to minimumPointSize in half
// points, at which every text fits.
QFont fittingFont(QFont font, const std::vector<TextRoom> &texts, qreal minimumPointSize);

// Gives a window's controls the font that fits every text they show
// (Layout::textsToFit), each measured in its control's own room; a control
// with a font of its own keeps it.
void fitFont(QWidget *window, const Layout::Window &layout, const Controls &controls);
