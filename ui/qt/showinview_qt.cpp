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
    if (!window->isMinimized())
        return;
    // ICCCM: a client leaves the iconic state by mapping its window again,
    // which Qt does when the minimised state is cleared; size and place stay.
    // Window managers differ on what that map means. openbox, xfwm4, icewm
    // and fluxbox take it as an activation, keyboard and all: the window
    // takes no focus until the prompt ends or the user clicks into it. mutter
    // keeps an iconic window mapped and never hears of the map: the window is
    // withdrawn and mapped as new.
    withholdFocus(window);
    if (mappedWhileIconic(window->windowHandle()))
        mapAfresh(window->windowHandle());
    else // and not active either, which would make Qt ask for activation
        window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowActive));
}
