// SPDX-License-Identifier: MIT
#pragma once

// Sounds the desktop's bell once. One body per window system, chosen at build time.
void SystemBeep();
