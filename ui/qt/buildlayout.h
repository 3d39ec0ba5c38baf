// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QString>

#include <string_view>

class QWidget;

inline QString fromStd(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Makes a window's controls from its layout table, in tab order (which Qt's
// focus chain follows), each named, placed, captioned and coloured as the
// table says, and sizes the window.
void buildFromLayout(QWidget *window, const Layout::Window &layout);
