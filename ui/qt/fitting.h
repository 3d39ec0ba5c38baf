// SPDX-License-Identifier: MIT
#pragma once

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
// points, at which every text fits. The layout is fixed in pixels, so a
// desktop font larger than it was drawn for must shrink to keep captions whole.
QFont fittingFont(QFont font, const std::vector<TextRoom> &texts, qreal minimumPointSize = 6.0);
