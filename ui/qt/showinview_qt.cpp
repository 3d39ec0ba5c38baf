// SPDX-License-Identifier: MIT
#include "desktop.h"
#include "module1.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void Module1::ShowInView(WindowHandle hWnd)
{
    // On Wayland the compositor alone decides what is shown where.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    if (window == nullptr || window->windowHandle() == nullptr)
        return;
    // To the shown workspace first: a window mapped on another one stays unseen.
    moveToShownDesktop(window->windowHandle());
    // ICCCM: a client leaves the iconic state by mapping its window again,
    // which Qt does when the minimised state is cleared. The size and place
    // stay as they were.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
}
