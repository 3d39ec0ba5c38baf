// SPDX-License-Identifier: MIT
#include "checkbox.h"

#include "fitting.h"

#include <QStyleOptionButton>
#include <QStylePainter>

QRect CheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

QRect CheckBox::captionRect() const
{
    // Worked out as if left to right, then mirrored with the box in a
    // right-to-left window: the caption on the box's left.
    const Qt::LayoutDirection direction = layoutDirection();
    const QRect box = QStyle::visualRect(direction, rect(), indicatorRect());
    const int left = box.right() + 1 + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return QStyle::visualRect(direction, rect(), QRect(left, 0, width() - left - 1, height()));
}

bool CheckBox::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton box = option;
    box.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    // Wrapped as measured: short of a right-to-left line's trailing blank.
    const QRect caption = captionRect().adjusted(trailingBlank(font(), layoutDirection()), 0, 0, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, CaptionFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text().isEmpty()
            ? box.rect.adjusted(-1, -1, 1, 1)
            : painter.boundingRect(caption, CaptionFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
