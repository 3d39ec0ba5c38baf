// SPDX-License-Identifier: MIT
// The toolkit's floor for comparison: one window, one line edit and a 1 s
// timer that writes a countdown into it.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.setWindowTitle(QStringLiteral("Bare"));
    edit.resize(373, 331);
    int left = 1800;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &edit,
        [&] { edit.setText(QStringLiteral("Seconds to next Check  %1").arg(--left)); });
    timer.start(1000);
    edit.show();
    return app.exec();
}
