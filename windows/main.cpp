// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include <QApplication>

namespace {

// Wayland lets no ordinary client keep itself above other windows. Where the
// session also offers X11 (XWayland), use it so that the prompt can come to
// the front; an explicit QT_QPA_PLATFORM still wins.
void preferX11UnderWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    preferX11UnderWayland();
    QApplication app(argc, argv);
    // Unloading a window destroys it; the program ends with its last window.
    auto *window = new Wakeprobe;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
