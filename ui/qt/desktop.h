// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

// Moves a top-level window that is on a workspace (virtual desktop) other than
// the shown one to the shown one. One body per window system; where there are
// no workspaces, or the window manager names none, nothing happens.
void moveToShownDesktop(QWindow *window);

// Marks a top-level window as asking for the user's attention, or no longer,
// as a taskbar or pager shows it, without asking for the keyboard focus.
void setDemandsAttention(QWindow *window, bool on);
