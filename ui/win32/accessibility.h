// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

#include <string_view>

// Names a control for screen readers where the label does not precede it;
// nameControls names each control that the layout gives a name of its own.
void setAccessibleName(HWND control, std::string_view name);
void nameControls(HWND window, const Layout::Window &layout);
