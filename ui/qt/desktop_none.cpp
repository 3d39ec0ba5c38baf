// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QWindow>

// Window systems without workspaces that a client may move itself between.
void moveToShownDesktop(QWindow *) { }

// Only an X11 client maps and withdraws its own window.
void withholdFocus(QWidget *) { }
void returnFocus(QWidget *) { }
bool mappedWhileIconic(QWindow *) { return false; }
void mapAfresh(QWindow *) { }

// Qt's own alert, which the window system clears once the window is used.
void setDemandsAttention(QWindow *window, bool on)
{
    if (on)
        window->alert(0);
}
