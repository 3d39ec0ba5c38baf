// SPDX-License-Identifier: MIT
#include "bell.h"

#include <QApplication>

// The window system's bell, where no desktop sound is played instead.
void SystemBeep() { QApplication::beep(); }

// The window system's bell needs nothing made ready.
void PrepareSystemBeep() { }
