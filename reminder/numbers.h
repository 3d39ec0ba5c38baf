// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Reads the number a user typed into a settings field. Blanks, tabs and line
// feeds are dropped first; "&H"/"&O" introduce hexadecimal/octal digits;
// otherwise the longest decimal prefix is read ("25min" is 25) and anything
// without a digit is 0. The full stop is the decimal separator whatever the
// locale. A number too large for a double reads as the largest double of its
// sign (so what FormatSigned writes always reads back finite), one too small
// as 0.
double ReadNumber(std::string_view text);

// Writes a value as the countdown shows it: a blank before a value of 0 or
// more, a minus sign before a negative one. Whole values below 1e15 are plain
// digits; others use at most 15 significant digits, with "E" for an exponent.
std::string FormatSigned(double value);
