// SPDX-License-Identifier: MIT
#include "fitting.h"

#include "checkbox.h"
#include "fit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

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

namespace {

// The room a control gives its text: a check box's beside its box, a text
// box's within its frame and the line edit's own margins, a button's within
// the layout's margins, a label's all of it.
QSize roomIn(QWidget *w, Layout::Kind kind)
{
    switch (kind) {
    case Layout::Kind::CheckBox:
        return static_cast<CheckBox *>(w)->captionRect().size();
    case Layout::Kind::TextBox: {
        const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        constexpr int textMargin = 2; // QLineEdit's own, on each side
        return w->size() - QSize(2 * (frame + textMargin), 2 * frame);
    }
    case Layout::Kind::CommandButton:
        return w->size() - QSize(2 * Layout::CaptionMarginX, 2 * Layout::CaptionMarginY);
    case Layout::Kind::Label:
        break;
    }
    return w->size();
}

} // namespace

void fitFont(QWidget *window, const Layout::Window &layout, const Controls &controls)
{
    const Qt::LayoutDirection direction = window->layoutDirection();
    std::vector<TextRoom> texts;
    for (const Layout::ShownText &shown : Layout::textsToFit(layout)) {
        const Layout::Kind kind = shown.control->kind;
        QWidget *w = controls[Layout::indexOf(layout, *shown.control)];
        const bool wrap = Layout::wraps(kind);
        texts.push_back(
            { fromStd(shown.text), roomIn(w, kind), wrap, wrap ? direction : Qt::LeftToRight });
    }
    const QFont fitted = fittingFont(QApplication::font(), texts, Layout::SmallestFontPoints);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Layout::Control &c = layout.controls[i];
        if (!c.fontFamily.empty())
            continue;
        controls[i]->setFont(fitted);
        if (c.kind == Layout::Kind::Label)
            static_cast<QLabel *>(controls[i])
                ->setContentsMargins(trailingBlank(fitted, direction), 0, 0, 0);
    }
}
