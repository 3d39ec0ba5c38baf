// SPDX-License-Identifier: MIT
#include "fitting.h"
#include "form1.h"
#include "glyphs.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>

// Whether a label's text, drawn as the label draws it, leaves no ink left or
// right of the label: drawn on a larger canvas, where clipped ink would show.
static bool inkStaysInside(const QLabel *label)
{
    constexpr int margin = 20;
    QImage canvas(label->size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QRect room(QPoint(margin, margin), label->size());
    {
        QPainter painter(&canvas);
        painter.setFont(label->font());
        painter.setLayoutDirection(label->layoutDirection());
        painter.drawText(label->contentsRect().translated(margin, margin),
            int(QStyle::visualAlignment(label->layoutDirection(), label->alignment()))
                | Qt::TextWordWrap,
            label->text());
    }
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if ((x < room.left() || x > room.right()) && qGray(canvas.pixel(x, y)) < 128)
                return false;
    return true;
}

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutAndTexts();
    void everyLanguageFits_data();
    void everyLanguageFits();
    void exitClosesIt();
};

void TestForm1::initTestCase()
{
    QCOMPARE(unexpectedInterfaceFont(), QString());
}

void TestForm1::layoutAndTexts()
{
    Form1 form;
    QVERIFY(form.windowTitle().isEmpty());
    QCOMPARE(form.size(), QSize(438, 378));
    auto *label1 = form.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *label2 = form.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *label3 = form.findChild<QLabel *>(QStringLiteral("Label3"));
    auto *exit = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(label1 && label2 && label3 && exit);
    QCOMPARE(label1->geometry(), QRect(120 / 15, 480 / 15, 6255 / 15, 2895 / 15));
    QCOMPARE(label3->geometry(), QRect(120 / 15, 3600 / 15, 6255 / 15, 1215 / 15));
    QCOMPARE(exit->geometry(), QRect(2880 / 15, 5040 / 15, 735 / 15, 495 / 15));
    QCOMPARE(label2->text(), QStringLiteral("Wakeprober Help"));
    QCOMPARE(exit->text(), QStringLiteral("Exit"));
    QVERIFY(label3->text().startsWith(QStringLiteral("Lucid Deam Tips:")));

    // The instructions cover their points in this order.
    const QString text = label1->text();
    qsizetype at = 0;
    for (const char *point : { "lucid dreams", "\"Start Wakeprobe\"", "\"Stop Wakeprobe\"",
             "\"Beep when timer triggers\"", "\"Window to front when timer triggers\"",
             "\"Minutes till timer triggers\"", "30", "\"Flashes/Beeps till auto reset\"", "20",
             "Exit", "report" }) {
        const qsizetype next = text.indexOf(QLatin1String(point), at);
        QVERIFY2(next >= 0, point);
        at = next;
    }
    for (QLabel *label : { label1, label2, label3 })
        QVERIFY2(fits(label->font(), { label->text(), label->size(), true }),
            qPrintable(label->objectName()));
}

void TestForm1::everyLanguageFits_data()
{
    QTest::addColumn<QString>("catalogue");
    for (const QString &qm : QDir(QStringLiteral(":/i18n")).entryList())
        QTest::newRow(qPrintable(qm)) << QStringLiteral(":/i18n/") + qm;
}

// Each language's help reads in full, in a font no smaller than English's.
void TestForm1::everyLanguageFits()
{
    QFETCH(QString, catalogue);
    const qreal englishPoints
        = Form1().findChild<QLabel *>(QStringLiteral("Label1"))->font().pointSizeF();
    QTranslator translator;
    QVERIFY(translator.load(catalogue));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Form1 form;
    auto *instructions = form.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(!instructions->text().startsWith(QStringLiteral("Wakeprober reminds")));
    for (QLabel *label : form.findChildren<QLabel *>()) {
        QVERIFY2(
            fits(label->font(), { label->text(), label->size(), true, label->layoutDirection() }),
            qPrintable(label->objectName()));
        QCOMPARE(missingGlyphs(label->font(), label->text()), QString());
        // Drawn right to left too, where a line may lie further out than measured.
        QVERIFY2(inkStaysInside(label), qPrintable(label->objectName()));
    }
    auto *exit = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(fits(exit->font(), { exit->text(), exit->size() - QSize(8, 4), false }));
    QCOMPARE(missingGlyphs(exit->font(), exit->text()), QString());
    QVERIFY2(instructions->font().pointSizeF() >= englishPoints,
        qPrintable(QStringLiteral("%1 pt, English %2 pt")
                       .arg(instructions->font().pointSizeF())
                       .arg(englishPoints)));
    // The instructions keep a paragraph for each point, and say how numbers are written.
    QCOMPARE(instructions->text().count(QLatin1Char('\n')), 7);
    QVERIFY(instructions->text().contains(QStringLiteral("0.5")));
}

void TestForm1::exitClosesIt()
{
    auto *form = new Form1;
    QPointer<Form1> alive = form;
    form->show();
    form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
