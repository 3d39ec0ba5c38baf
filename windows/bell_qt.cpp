// SPDX-License-Identifier: MIT
#include "bell.h"

#include <QApplication>

// Windows' system beep (MessageBeep), or the window system's bell elsewhere.
void SystemBeep() { QApplication::beep(); }
