// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Unloading a window destroys it; the program ends with its last window.
    auto *window = new Wakeprobe;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
