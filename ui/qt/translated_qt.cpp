// SPDX-License-Identifier: MIT
#include "translated.h"

#include <QCoreApplication>

std::string translated(std::string_view context, std::string_view english)
{
    if (english.empty())
        return {};
    return QCoreApplication::translate(std::string(context).c_str(), std::string(english).c_str())
        .toStdString();
}
