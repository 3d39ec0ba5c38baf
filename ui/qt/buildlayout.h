// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QString>

#include <string_view>
#include <vector>

class QWidget;

inline QString fromStd(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A window's controls in its layout's order: a control's widget is at its
// index in the table.
using Controls = std::vector<QWidget *>;

template <typename W> W *widget(const Controls &controls, Layout::Main c)
{
    return static_cast<W *>(controls[std::size_t(c)]);
}
template <typename W> W *widget(const Controls &controls, Layout::Help c)
{
    return static_cast<W *>(controls[std::size_t(c)]);
}

// Makes a window's controls from its layout table, in tab order (which Qt's
// focus chain follows), each named, placed, captioned, coloured and given
// its own font where the table says, and sizes the window.
Controls buildFromLayout(QWidget *window, const Layout::Window &layout);
