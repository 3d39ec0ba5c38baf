// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

// A check box as the layout draws it: the box at the left (at the right in a
// right-to-left window), the caption word-wrapped beside it, and the whole rectangle a target for
// the click, so that the large prompt box can be hit anywhere. Only drawing and hit-testing differ
// from QCheckBox.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    // Where the caption is drawn; text must fit here to be read in full. Its
    // alignment is mirrored with the painter in a right-to-left window.
    QRect captionRect() const;
    static constexpr int CaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect indicatorRect() const;
};
