// SPDX-License-Identifier: MIT
#pragma once

class QWidget;
class QWindow;

// Moves a top-level window that is on a workspace (virtual desktop) other than
// the shown one to the shown one. One body per window system; where there are
// no workspaces, or the window manager names none, nothing happens.
void moveToShownDesktop(QWindow *window);

// Marks a top-level window as asking for the user's attention, or no longer,
// as a taskbar or pager shows it, without asking for the keyboard focus.
void setDemandsAttention(QWindow *window, bool on);

// Makes a top-level window take no keyboard focus, from any window manager,
// until returnFocus, or until the user clicks into it.
void withholdFocus(QWidget *window);
void returnFocus(QWidget *window);

// Whether the window manager keeps this iconic (minimised) window mapped, as
// a compositing manager such as mutter does, hiding it in its compositor: a
// map request from the client then never reaches it.
bool mappedWhileIconic(QWindow *window);

// Brings such a window back: withdraws it and maps it afresh, at its place.
void mapAfresh(QWindow *window);
