// SPDX-License-Identifier: MIT
#include "buildlayout.h"

#include "checkbox.h"
#include "paint.h"
#include "translated.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int TwipsPerPixel = 15; // at 96 dots per inch

QWidget *create(const Layout::Control &c, const QString &text, QWidget *parent)
{
    switch (c.kind) {
    case Layout::Kind::CheckBox: {
        auto *box = new CheckBox(text, parent);
        box->setChecked(c.checked);
        return box;
    }
    case Layout::Kind::TextBox: {
        auto *edit = new QLineEdit(text, parent);
        // A line edit aligns by its text's own direction: digits alone would
        // stand at the left of a right-to-left window.
        if (parent->isRightToLeft() && Layout::alignsRightWhenMirrored(c.kind))
            edit->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
    case Layout::Kind::Label: {
        auto *label = new QLabel(text, parent);
        label->setWordWrap(true);
        // Reading from the right in a right-to-left window: Qt mirrors a
        // leading (not absolute) alignment by itself.
        label->setAlignment(Qt::AlignLeading | Qt::AlignTop);
        return label;
    }
    case Layout::Kind::CommandButton: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(true); // Enter, not only Space, presses the focused button
        return button;
    }
    }
    return nullptr;
}

} // namespace

Controls buildFromLayout(QWidget *window, const Layout::Window &layout)
{
    Controls controls;
    window->setObjectName(fromStd(layout.name));
    window->setFixedSize(layout.widthTwips / TwipsPerPixel, layout.heightTwips / TwipsPerPixel);
    // Qt places a child from the left in either direction; the direction is
    // the application's, which Qt takes from the catalogue in use.
    const Layout::Direction direction
        = window->isRightToLeft() ? Layout::Direction::RightToLeft : Layout::Direction::LeftToRight;
    for (const Layout::Control &c : layout.controls) {
        QWidget *w = create(c, fromStd(translated(layout.name, c.text)), window);
        w->setObjectName(fromStd(c.name));
        const auto [left, top, width, height]
            = Layout::place(layout, c, direction, Layout::Origin::Left);
        w->setGeometry(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel);
        w->setEnabled(c.enabled);
        if (!c.visible)
            w->hide();
        if (!c.accessibleName.empty())
            w->setAccessibleName(fromStd(translated(layout.name, c.accessibleName)));
        if (Layout::onHighlightText(c.kind))
            paint(w, Colours::Surface::Caption);
        if (!c.fontFamily.empty())
            w->setFont(QFont(fromStd(c.fontFamily), c.fontPoints));
        controls.push_back(w);
    }
    return controls;
}
