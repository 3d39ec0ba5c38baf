// SPDX-License-Identifier: MIT
#pragma once

// Sounds the desktop's bell once. One body per window system, chosen at build time.
void SystemBeep();

// Makes the sound ready ahead of the first SystemBeep, without waiting for it.
void PrepareSystemBeep();
