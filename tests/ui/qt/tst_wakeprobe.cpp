// SPDX-License-Identifier: MIT
#include "checkbox.h"
#include "colours.h"
#include "fit.h"
#include "fitting.h"
#include "form1.h"
#include "glyphs.h"
#include "layout.h"
#include "translated.h"
#include "wakeprobe.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <string>

class TestWakeprobe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsAsAUserFindsIt();
    void windowAndColours();
    void everyCaptionReadsInThePalette_data();
    void everyCaptionReadsInThePalette();
    void everyCaptionFits_data();
    void everyCaptionFits();
    void mirroredInRightToLeft_data();
    void mirroredInRightToLeft();
    void timerRunsOnlyWhenStarted();
    void promptBoxFlashesAndTakesAClickAnywhere();
    void tabOrder();
    void helpTwiceGivesOneHelpWindow();
    void exitWithHelpOpenClosesOnlyTheMainWindow();
    void overflowPausesWithAMessage();

private:
    template <typename T = QWidget> T *child(const char *name) const
    {
        auto *w = m_window->findChild<T *>(QLatin1String(name));
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    QColor backgroundOf(const char *name) const
    {
        return child(name)->palette().color(QPalette::Window);
    }

    std::unique_ptr<Wakeprobe> m_window;
};

void TestWakeprobe::initTestCase() { QCOMPARE(unexpectedInterfaceFont(), QString()); }

void TestWakeprobe::init()
{
    m_window = std::make_unique<Wakeprobe>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWakeprobe::cleanup()
{
    m_window.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        delete qobject_cast<Form1 *>(w);
}

// What a user finds at start, as the window shows it; where each control
// stands is mirroredInRightToLeft's to check, in both directions.
void TestWakeprobe::startsAsAUserFindsIt()
{
    QCOMPARE(child<CheckBox>("Check1")->text(), QStringLiteral("Start Wakeprobe"));
    QVERIFY(!child<CheckBox>("Check1")->isChecked());
    QVERIFY(child<CheckBox>("Check2")->text().isEmpty() && !child("Check2")->isEnabled());
    QCOMPARE(child<CheckBox>("Check3")->text(), QStringLiteral("Beep when timer triggers"));
    QVERIFY(!child<CheckBox>("Check3")->isChecked());
    QCOMPARE(
        child<CheckBox>("Check4")->text(), QStringLiteral("Window to front when timer triggers"));
    QVERIFY(child<CheckBox>("Check4")->isChecked());
    QVERIFY(child<QLineEdit>("Text1")->text().isEmpty());
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("30"));
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("20"));
    QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("Minutes till timer triggers"));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Flashes/Beeps till auto reset"));
    QVERIFY(!child("Label3")->isVisible());
    QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("Help"));
    QCOMPARE(child<QPushButton>("Command2")->text(), QStringLiteral("Exit"));
    QCOMPARE(child("Check2")->accessibleName(), QStringLiteral("Prompt"));
}

void TestWakeprobe::windowAndColours()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Wakeprober"));
    QCOMPARE(m_window->size(), QSize(373, 331));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF));
    QCOMPARE(backgroundOf("Check2"), QColor(Qt::white));
    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    for (const char *name : { "Check1", "Check3", "Check4", "Label1", "Label2", "Label3" })
        QCOMPARE(backgroundOf(name), highlightText);
    QCOMPARE(child("Label3")->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(child("Label3")->font().pointSize(), 12);
}

void TestWakeprobe::everyCaptionReadsInThePalette_data()
{
    // The desktop's palette: the default, and a dark one whose highlighted
    // text is dark too (the check boxes and labels stand on it).
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default") << QApplication::palette();
    QPalette dark(QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::HighlightedText, QColor(0x10, 0x10, 0x10));
    dark.setColor(QPalette::WindowText, Qt::white);
    QTest::newRow("dark") << dark;
}

// At WCAG's 4.5:1 or more, in both windows, at rest and on both colours of
// the prompt box.
void TestWakeprobe::everyCaptionReadsInThePalette()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    m_window = std::make_unique<Wakeprobe>();
    m_window->show();
    const auto ratio = [](QWidget *w) {
        const auto colour = [](QColor c) {
            return Colour(c.red()) | Colour(c.green()) << 8 | Colour(c.blue()) << 16;
        };
        return Colours::contrast(colour(w->palette().color(QPalette::Window)),
            colour(w->palette().color(QPalette::WindowText)));
    };
    const auto captionsRead = [&](QWidget *window) {
        for (auto *w : window->findChildren<QWidget *>())
            if ((qobject_cast<QCheckBox *>(w) || qobject_cast<QLabel *>(w)) && ratio(w) < 4.5)
                return w->objectName() + QStringLiteral(": %1").arg(ratio(w));
        return QString();
    };
    QCOMPARE(captionsRead(m_window.get()), QString());
    child<QLineEdit>("Text2")->setText("0");
    child<CheckBox>("Check1")->click();
    for (int tick = 1; tick <= 2; ++tick) { // green, then white again
        m_window->timer1Tick();
        QVERIFY2(ratio(child("Check2")) >= 4.5, qPrintable(QString::number(tick)));
    }
    child<QPushButton>("Command1")->click();
    QCOMPARE(captionsRead(m_window->helpWindow()), QString());
    m_window.reset();
    QApplication::setPalette(before);
}

void TestWakeprobe::everyCaptionFits_data()
{
    // English, and each language built in; its texts may not shrink the font.
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << QString();
    for (const QString &qm : QDir(QStringLiteral(":/i18n")).entryList())
        QTest::newRow(qPrintable(qm)) << QStringLiteral(":/i18n/") + qm;
}

void TestWakeprobe::everyCaptionFits()
{
    QFETCH(QString, catalogue);
    const qreal englishPoints = child("Check1")->font().pointSizeF();
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        m_window = std::make_unique<Wakeprobe>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY2(child<CheckBox>("Check1")->text() != QStringLiteral("Start Wakeprobe"),
            "the catalogue is in use");
    }
    // Whole within its room, and every character in a real glyph.
    const auto fitsIn = [](QWidget *w, const QString &text, QSize room, bool wrap) {
        const QString missing = missingGlyphs(w->font(), text);
        if (!missing.isEmpty())
            qWarning("no glyph for %s", qPrintable(missing));
        return fits(w->font(), { text, room, wrap, w->layoutDirection() }) && missing.isEmpty();
    };
    for (const char *name : { "Check1", "Check3", "Check4" }) {
        auto *box = child<CheckBox>(name);
        QVERIFY2(fitsIn(box, box->text(), box->captionRect().size(), true), name);
    }
    for (const char *name : { "Label1", "Label2" }) {
        auto *label = child<QLabel>(name);
        QVERIFY2(fitsIn(label, label->text(), label->contentsRect().size(), true), name);
    }
    for (const char *name : { "Command1", "Command2" }) {
        auto *button = child<QPushButton>(name);
        QVERIFY2(fitsIn(button, button->text(), button->size() - QSize(8, 4), false), name);
    }
    auto *check1 = child<CheckBox>("Check1");
    check1->click();
    QVERIFY(fitsIn(check1, check1->text(), check1->captionRect().size(), true));

    auto *text1 = child<QLineEdit>("Text1");
    const QSize line = text1->contentsRect().size() - QSize(8, 0);
    for (const Layout::ShownText &shown : Layout::textsToFit(Layout::Wakeprobe))
        if (shown.control == &Layout::control(Layout::Main::Text1))
            QVERIFY2(
                fitsIn(text1, QString::fromStdString(shown.text), line, false), shown.text.c_str());
    child<QLineEdit>("Text2")->setText("0.05");
    for (int tick = 1; tick <= 4; ++tick) {
        m_window->timer1Tick();
        // Unscrolled, the start of the text is shown: all of it when it fits.
        QCOMPARE(text1->cursorPosition(), text1->text().size());
        QVERIFY2(fitsIn(text1, text1->text(), line, false), qPrintable(text1->text()));
    }
    QCOMPARE(text1->text(), QString::fromStdString(translatedCycleTexts().countdownPrefix + "-1"));
    // Shown in the box's direction, the number reads as one: its minus on its
    // left, not carried to its right by a right-to-left prefix.
    QTextLayout shown(text1->text(), text1->font());
    QTextOption option;
    option.setTextDirection(text1->layoutDirection());
    shown.setTextOption(option);
    shown.beginLayout();
    QTextLine shownLine = shown.createLine();
    shownLine.setLineWidth(10000);
    shown.endLayout();
    const int minus = int(text1->text().lastIndexOf(QLatin1Char('-')));
    QVERIFY2(shownLine.cursorToX(minus) < shownLine.cursorToX(minus + 1), "\"-1\" reads \"1-\"");
    auto *check2 = child<CheckBox>("Check2");
    QCOMPARE(check2->text(), QString::fromStdString(translated("Wakeprobe", PromptCaption)));
    QVERIFY(fitsIn(check2, check2->text(), check2->captionRect().size(), true));
    QVERIFY2(text1->font().pointSizeF() >= englishPoints,
        qPrintable(QStringLiteral("%1 pt, English %2 pt")
                       .arg(text1->font().pointSizeF())
                       .arg(englishPoints)));
    QVERIFY2(text1->font().pointSizeF() >= 6.5, "the fitted font is too small to read");
    m_window.reset(); // built with the catalogue, so gone before it
}

void TestWakeprobe::mirroredInRightToLeft_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("German") << "wakeprober_de.qm" << false;
    QTest::newRow("Arabic") << "wakeprober_ar.qm" << true;
    QTest::newRow("Hebrew") << "wakeprober_he.qm" << true;
}

// Each control of both windows at the mirror image of its place in the table,
// within a pixel; check boxes with the caption on the box's left; Tab as ever.
void TestWakeprobe::mirroredInRightToLeft()
{
    QFETCH(QString, catalogue);
    QFETCH(bool, mirrored);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/") + catalogue));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    m_window = std::make_unique<Wakeprobe>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    const auto placedAsTable = [mirrored](QWidget *window, const Layout::Window &layout) {
        for (const Layout::Control &c : layout.controls) {
            const auto [left, top, width, height] = c.twips;
            const int x = (mirrored ? layout.widthTwips - left - width : left) / 15;
            const QRect at = window
                                 ->findChild<QWidget *>(
                                     QString::fromUtf8(c.name.data(), qsizetype(c.name.size())))
                                 ->geometry();
            if (std::abs(at.x() - x) > 1 || at.y() != top / 15 || at.width() != width / 15)
                return std::string(c.name);
        }
        return std::string();
    };
    QCOMPARE(placedAsTable(m_window.get(), Layout::Wakeprobe), std::string());
    const int half = m_window->width() / 2;
    QCOMPARE(child("Check1")->geometry().center().x() > half, mirrored);
    QCOMPARE(child("Command2")->geometry().center().x() < half, mirrored);
    for (const char *name : { "Check1", "Check3", "Check4" }) {
        auto *box = child<CheckBox>(name);
        QCOMPARE(box->captionRect().center().x() < box->width() / 2, mirrored);
    }

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    child("Check1")->setFocus();
    QStringList order { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
        QStringList(
            { "Check1", "Text1", "Check3", "Text2", "Text3", "Check4", "Command1", "Command2" }));

    child<QPushButton>("Command1")->click();
    QCOMPARE(placedAsTable(m_window->helpWindow(), Layout::Form1), std::string());
    delete m_window->helpWindow();
    m_window.reset(); // built with the catalogue, so gone before it
}

void TestWakeprobe::timerRunsOnlyWhenStarted()
{
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    auto *check1 = child<CheckBox>("Check1");
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(check1->width() - 3, 3));
    QVERIFY(timer->isActive());
    QCOMPARE(check1->text(), QStringLiteral("Stop Wakeprobe"));
    QTest::mouseClick(check1, Qt::LeftButton);
    QVERIFY(!timer->isActive());
    QCOMPARE(check1->text(), QStringLiteral("Start Wakeprobe"));
    // A screen reader's Toggle action flips the box without a click signal.
    check1->toggle();
    QVERIFY(timer->isActive());
    QCOMPARE(check1->text(), QStringLiteral("Stop Wakeprobe"));
    check1->toggle();
    QVERIFY(!timer->isActive());
}

void TestWakeprobe::promptBoxFlashesAndTakesAClickAnywhere()
{
    child<QLineEdit>("Text2")->setText("0.05");
    child<CheckBox>("Check1")->click();
    m_window->timer1Tick();
    m_window->timer1Tick();
    m_window->timer1Tick();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("Seconds to next Check  0"));
    auto *check2 = child<CheckBox>("Check2");
    QVERIFY(!check2->isEnabled());
    m_window->timer1Tick();
    QVERIFY(check2->isEnabled());
    QCOMPARE(check2->text(), QStringLiteral("Do wakeprobe. Click to reset timer"));
    QCOMPARE(backgroundOf("Check2"), QColor(Qt::green));
    m_window->timer1Tick();
    QCOMPARE(backgroundOf("Check2"), QColor(Qt::white));

    // Far from the box and its caption, in the bottom-right corner.
    QTest::mouseClick(
        check2, Qt::LeftButton, {}, QPoint(check2->width() - 2, check2->height() - 2));
    QVERIFY(check2->isChecked());
    m_window->timer1Tick();
    QVERIFY(!check2->isEnabled());
    QVERIFY(!check2->isChecked());
    QVERIFY(check2->text().isEmpty());
    QCOMPARE(backgroundOf("Check2"), QColor(Qt::white));
}

void TestWakeprobe::tabOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    child("Check1")->setFocus();
    QStringList order { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
        QStringList({ "Check1", "Text1", "Check3", "Text2", "Text3", "Check4", "Command1",
            "Command2", "Check1" }));
}

void TestWakeprobe::helpTwiceGivesOneHelpWindow()
{
    auto *help = child<QPushButton>("Command1");
    help->click();
    Form1 *first = m_window->helpWindow();
    QVERIFY(first && first->isVisible());
    QVERIFY(first->parent() == nullptr);
    QVERIFY(!first->isModal());
    help->click();
    QCOMPARE(m_window->helpWindow(), first);
    int helpWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<Form1 *>(w) != nullptr;
    QCOMPARE(helpWindows, 1);
}

void TestWakeprobe::exitWithHelpOpenClosesOnlyTheMainWindow()
{
    const auto visibleWindows = [] {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->isVisible();
        return n;
    };
    child<QPushButton>("Command1")->click();
    QPointer<Form1> help = m_window->helpWindow();
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Wakeprobe> main = m_window.release();
    main->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QTRY_VERIFY(main.isNull());
    QVERIFY(help && help->isVisible());
    QCOMPARE(visibleWindows(), 1);

    help->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QTRY_VERIFY(help.isNull());
    QCOMPARE(visibleWindows(), 0); // what ends the program; checked for real end to end
}

void TestWakeprobe::overflowPausesWithAMessage()
{
    child<QLineEdit>("Text2")->setText("1e308");
    child<CheckBox>("Check1")->click();
    // The cycle unticking the box is not a click: its click handler must not
    // be entered again from inside the tick.
    QSignalSpy toggled(child<CheckBox>("Check1"), &QCheckBox::toggled);
    m_window->timer1Tick();
    auto *check1 = child<CheckBox>("Check1");
    QVERIFY(!check1->isChecked());
    QCOMPARE(toggled.count(), 0);
    QCOMPARE(check1->text(), QStringLiteral("Start Wakeprobe"));
    QVERIFY(!m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("Interval or limit too large"));
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("1e308"));
    QVERIFY(!child("Check2")->isEnabled());

    child<QLineEdit>("Text2")->setText("30");
    check1->click();
    m_window->timer1Tick();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("Seconds to next Check  1799"));
}

QTEST_MAIN(TestWakeprobe)
#include "tst_wakeprobe.moc"
