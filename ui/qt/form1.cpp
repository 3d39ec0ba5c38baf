// SPDX-License-Identifier: MIT
#include "form1.h"

#include "buildlayout.h"
#include "fitting.h"

#include <QPushButton>

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const Controls controls = buildFromLayout(this, Layout::Form1);
    fitFont(this, Layout::Form1, controls);
    connect(widget<QPushButton>(controls, Layout::Help::Command1), &QPushButton::clicked, this,
        &QWidget::close);
}
