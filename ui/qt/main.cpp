// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// Wayland lets no ordinary client keep itself above other windows. Where the
// session also offers X11 (XWayland), use it so that the prompt can come to
// the front; on a Wayland session without X11, ask for Wayland by name, since
// Qt would otherwise try X11 alone. An explicit QT_QPA_PLATFORM still wins.
void choosePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
}

// Without a display Qt ends with advice to reinstall and an abort, which
// reads like a crash. Remember that a display did not answer, and turn
// Qt's fatal message that follows into one plain line and status 1. Every
// other message keeps Qt's own handling.
QtMessageHandler qtHandler = nullptr;
QString unansweredDisplay;
bool displayFailed = false;

void displayAwareHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QLatin1String xcbFailure("could not connect to display");
    if (message.startsWith(xcbFailure)) {
        displayFailed = true;
        unansweredDisplay = message.mid(xcbFailure.size()).trimmed();
        return;
    }
    if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        displayFailed = true;
        unansweredDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
        return;
    }
    if (displayFailed && type == QtFatalMsg) {
        std::fprintf(stderr, "wakeprober: cannot open display %s\n",
            unansweredDisplay.isEmpty()
                ? "(neither DISPLAY nor WAYLAND_DISPLAY is set)"
                : qPrintable(QLatin1Char('"') + unansweredDisplay + QLatin1Char('"')));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE); // the half-made application must not run its destructors
    }
    if (displayFailed)
        return; // Qt's lines about its platform plugin would only mislead here
    qtHandler(type, context, message);
}

// Chinese, Japanese and Korean share many characters but draw them in forms
// of their own, and fontconfig picks the forms of the locale (LANG). Make it
// pick those of the language the window speaks, unless FC_LANG says otherwise.
void matchFontsTo(const QString &language)
{
    const QString primary = language.section(QLatin1Char('_'), 0, 0);
    if (!qEnvironmentVariableIsEmpty("FC_LANG")
        || !QStringList { QStringLiteral("ja"), QStringLiteral("ko"), QStringLiteral("zh") }
                .contains(primary))
        return;
    qputenv("FC_LANG", language.toLower().replace(QLatin1Char('_'), QLatin1Char('-')).toLatin1());
}

} // namespace

int main(int argc, char *argv[])
{
    choosePlatform();
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), from the
    // catalogues built in; English, the texts' own language, where none fits.
    // Chosen before the application starts its fonts.
    QTranslator translator;
    const bool translated = translator.load(
        QLocale(), QStringLiteral("wakeprober"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (translated)
        matchFontsTo(translator.language());

    qtHandler = qInstallMessageHandler(displayAwareHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // Who the program is, for the desktop: the entry whose name and icon a
    // dock or task switcher shows for its window (and, on Wayland, its
    // app_id), and the theme's icon, or the one built in where no theme has it.
    const QString id = QStringLiteral("io.github.wakeprober.Wakeprober");
    QGuiApplication::setDesktopFileName(id);
    QApplication::setWindowIcon(
        QIcon::fromTheme(id, QIcon(QStringLiteral(":/icons/%1.png").arg(id))));
    if (translated)
        QCoreApplication::installTranslator(&translator);

    // Unloading a window destroys it; the program ends with its last window.
    auto *window = new Wakeprobe;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
