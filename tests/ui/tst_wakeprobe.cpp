// SPDX-License-Identifier: MIT
#include "checkbox.h"
#include "fitting.h"
#include "form1.h"
#include "glyphs.h"
#include "layout.h"
#include "texts.h"
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
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void windowAndColours();
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

void TestWakeprobe::initTestCase()
{
    QCOMPARE(unexpectedInterfaceFont(), QString());
}

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

void TestWakeprobe::controlsAsLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");

    QTest::newRow("Check1") << "Check1"
                            << "CheckBox" << QRect(120, 120, 1215, 1095) << "Start Wakeprobe"
                            << true << false;
    QTest::newRow("Text1") << "Text1"
                           << "QLineEdit" << QRect(1680, 120, 2535, 1215) << "" << true << false;
    QTest::newRow("Check2") << "Check2"
                            << "CheckBox" << QRect(120, 1440, 1215, 975) << "" << false << false;
    QTest::newRow("Check3") << "Check3"
                            << "CheckBox" << QRect(120, 2640, 1215, 975)
                            << "Beep when timer triggers" << true << false;
    QTest::newRow("Text2") << "Text2"
                           << "QLineEdit" << QRect(2880, 1560, 735, 375) << "30" << true << false;
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << QRect(1680, 1560, 1095, 495)
                            << "Minutes till timer triggers" << true << false;
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << QRect(1680, 2280, 1095, 495)
                            << "Flashes/Beeps till auto reset" << true << false;
    QTest::newRow("Text3") << "Text3"
                           << "QLineEdit" << QRect(2880, 2280, 735, 375) << "20" << true << false;
    QTest::newRow("Check4") << "Check4"
                            << "CheckBox" << QRect(120, 3840, 1215, 855)
                            << "Window to front when timer triggers" << true << true;
    QTest::newRow("Label3") << "Label3"
                            << "QLabel" << QRect(1680, 3000, 2535, 615) << "" << true << false;
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton" << QRect(1680, 4080, 855, 615) << "Help" << true
                              << false;
    QTest::newRow("Command2") << "Command2"
                              << "QPushButton" << QRect(2760, 4080, 855, 615) << "Exit" << true
                              << false;
}

void TestWakeprobe::controlsAsLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);

    QWidget *w = child(name.toLatin1().constData());
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    QCOMPARE(w->geometry(),
        QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(w->isEnabled(), enabled);
    QString shown;
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        shown = button->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        shown = edit->text();
    else if (auto *label = qobject_cast<QLabel *>(w))
        shown = label->text();
    QCOMPARE(shown, text);
    if (auto *box = qobject_cast<QCheckBox *>(w))
        QCOMPARE(box->isChecked(), checked);
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
    for (const std::string &later : widestCountdowns())
        QVERIFY2(fitsIn(text1, QString::fromStdString(later), line, false), later.c_str());
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
