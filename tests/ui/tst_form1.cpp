// SPDX-License-Identifier: MIT
#include "fitting.h"
#include "form1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void layoutAndTexts();
    void exitClosesIt();
};

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
