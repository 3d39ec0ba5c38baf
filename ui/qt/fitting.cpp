// SPDX-License-Identifier: MIT
#include "fitting.h"

#include <QFontMetrics>

#include <algorithm>

int trailingBlank(const QFont &font, Qt::LayoutDirection direction)
{
    return direction == Qt::RightToLeft ? QFontMetrics(font).horizontalAdvance(QLatin1Char(' '))
                                        : 0;
}

bool fits(const QFont &font, const TextRoom &t)
{
    const QFontMetrics metrics(font);
    if (!t.wrap)
        return metrics.horizontalAdvance(t.text) <= t.room.width()
            && metrics.height() <= t.room.height();
    const int width = t.room.width() - trailingBlank(font, t.direction);
    // A word longer than the width makes the bounding rectangle wider.
    const QRect needed
        = metrics.boundingRect(QRect(QPoint(0, 0), QSize(width, 10000)), Qt::TextWordWrap, t.text);
    return needed.width() <= width && needed.height() <= t.room.height();
}

QFont fittingFont(QFont font, const std::vector<TextRoom> &texts, qreal minimumPointSize)
{
    auto allFit = [&](const QFont &f) {
        return std::all_of(
            texts.begin(), texts.end(), [&](const TextRoom &t) { return fits(f, t); });
    };
    for (qreal size = font.pointSizeF(); size > minimumPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        if (allFit(font))
            return font;
    }
    font.setPointSizeF(minimumPointSize);
    return font;
}
