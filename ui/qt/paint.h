// SPDX-License-Identifier: MIT
#pragma once

#include "colours.h"

class QWidget;

// Gives a control (or a window) the colours of its surface, with the text
// colour that reads on it, from the application's palette.
void paint(QWidget *w, Colours::Surface surface);
