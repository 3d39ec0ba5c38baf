// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

// Moves a top-level window that is on a workspace (virtual desktop) other than
// the shown one to the shown one. One body per window system; where there are
// no workspaces, or the window manager names none, nothing happens.
void moveToShownDesktop(QWindow *window);
