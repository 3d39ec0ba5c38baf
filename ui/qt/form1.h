// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The help window: how to use the main window and a tip on lucid dreaming.
// It shows texts and closes; it knows nothing of the main window.
class Form1 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(QWidget *parent = nullptr);
};
