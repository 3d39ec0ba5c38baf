// SPDX-License-Identifier: MIT
#pragma once

// The system's headers, after ours: windows.h defines HWND_TOPMOST and
// friends as macros, which module1.h declares as constants.
#include "layout.h"
#include "module1.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
