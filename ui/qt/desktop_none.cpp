// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QWindow>

// Window systems without workspaces that a client may move itself between.
void moveToShownDesktop(QWindow *) { }

// Qt's own alert, which the window system clears once the window is used.
void setDemandsAttention(QWindow *window, bool on)
{
    if (on)
        window->alert(0);
}
