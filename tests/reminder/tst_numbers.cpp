// SPDX-License-Identifier: MIT
#include "numbers.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberOutOfRange();
    void readNumberIgnoresLocale_data();
    void readNumberIgnoresLocale();
    void formatSigned_data();
    void formatSigned();
    void formatSignedReadsBack_data();
    void formatSignedReadsBack();
};

void TestNumbers::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("initial interval") << "30" << 30.0;
    QTest::newRow("initial limit") << "20" << 20.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks around") << "  20  " << 20.0;
    QTest::newRow("blank between digits") << " 1 5" << 15.0;
    QTest::newRow("tab and line feed inside") << "1\t2\n3" << 123.0;
    QTest::newRow("blank inside exponent") << "1 e 2" << 100.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent capital with sign") << "25E+1" << 250.0;
    QTest::newRow("negative exponent") << "5e-1" << 0.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e-" << 7.0;
    QTest::newRow("letter D is no exponent") << "7d2" << 7.0;
    QTest::newRow("fraction") << "0.5" << 0.5;
    QTest::newRow("leading full stop") << ".5" << 0.5;
    QTest::newRow("trailing full stop") << "5." << 5.0;
    QTest::newRow("second full stop") << "1.2.3" << 1.2;
    QTest::newRow("lone full stop") << "." << 0.0;
    QTest::newRow("comma stops the number") << "3,5" << 3.0;
    QTest::newRow("trailing suffix") << "25min" << 25.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("letters before digits") << "x5" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone plus") << "+" << 0.0;
    QTest::newRow("negative") << "-2" << -2.0;
    QTest::newRow("plus sign") << "+4.25" << 4.25;
    QTest::newRow("sign then blank") << "- 3" << -3.0;
    QTest::newRow("two signs") << "--3" << 0.0;
    QTest::newRow("hex upper") << "&HFF" << 255.0;
    QTest::newRow("hex lower with blank") << "&h 1f" << 31.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("hex is unsigned") << "&HFFFF" << 65535.0;
    QTest::newRow("octal upper") << "&O17" << 15.0;
    QTest::newRow("octal lower stops at 8") << "&o178" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&X10" << 0.0;
    QTest::newRow("long hex") << "&HFFFFFFFFFFFFFFFFFFFF" << std::pow(2.0, 80) - 1;
    QTest::newRow("non-latin text") << QString::fromUtf8("\u5341\u4e94") << 0.0;
    QTest::newRow("non-latin after digits") << QString::fromUtf8("12\u5206") << 12.0;
    QTest::newRow("many leading zeros") << QString(5000, '0') + "7" << 7.0;
    QTest::newRow("long fraction") << "0." + QString(3000, '3') << 1.0 / 3;
    QTest::newRow("tiny") << "1e-400" << 0.0;
    QTest::newRow("largest double")
        << "1.7976931348623157e308" << std::numeric_limits<double>::max();
}

void TestNumbers::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadNumber(text.toStdString()), expected);
}

void TestNumbers::readNumberOutOfRange()
{
    const double max = std::numeric_limits<double>::max();
    QCOMPARE(ReadNumber("1e400"), max);
    QCOMPARE(ReadNumber("-1e400"), -max);
    QCOMPARE(ReadNumber(std::string(400, '9')), max);
    QCOMPARE(ReadNumber("-1.79769313486232E+308"), -max); // rounded up past the largest
    QCOMPARE(ReadNumber("&H" + std::string(300, 'F')), max);
    QCOMPARE(ReadNumber("0.000000001e309"), 1e300);
    QCOMPARE(ReadNumber("0e99999999999999999999"), 0.0);
    QCOMPARE(ReadNumber("1e-99999999999999999999"), 0.0);
}

void TestNumbers::readNumberIgnoresLocale_data()
{
    // Every locale the program has a language for: most write a decimal comma,
    // some group digits with a blank or a dot, and Turkish maps the letter
    // case of i and I apart from every other.
    QTest::addColumn<QString>("locale");
    for (const char *locale :
        { "de_DE", "es_ES", "fr_FR", "pt_BR", "ru_RU", "it_IT", "nl_NL", "pl_PL", "cs_CZ", "uk_UA",
            "tr_TR", "sv_SE", "id_ID", "vi_VN", "ja_JP", "ko_KR", "zh_CN", "zh_TW" })
        QTest::newRow(locale) << QString::fromLatin1(locale) + QStringLiteral(".UTF-8");
}

void TestNumbers::readNumberIgnoresLocale()
{
    QFETCH(QString, locale);
    const std::string old = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, locale.toLatin1().constData()) != nullptr;
    const double half = ReadNumber("0.5");
    const double comma = ReadNumber("3,5");
    const double exponent = ReadNumber("1e3");
    const double grouped = ReadNumber("1 000");
    const std::string formatted = FormatSigned(29.5);
    std::setlocale(LC_ALL, old.c_str());
    // A missing locale would leave the check unable to fail: an error.
    QVERIFY2(installed,
        "the locale is not built: the build makes it (scripts/locales.sh), LOCPATH names it");
    QCOMPARE(half, 0.5);
    QCOMPARE(comma, 3.0);
    QCOMPARE(exponent, 1000.0);
    QCOMPARE(grouped, 1000.0); // blanks are skipped, as always
    QCOMPARE(formatted, std::string(" 29.5"));
}

void TestNumbers::formatSigned_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 1799.0 << " 1799";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("minus twenty-one") << -21.0 << "-21";
    QTest::newRow("largest counter") << 32767.0 << " 32767";
    QTest::newRow("half") << 29.5 << " 29.5";
    QTest::newRow("15 significant digits") << 0.51 * 60 - 1 << " 29.6";
    QTest::newRow("below one") << 0.25 << " 0.25";
    QTest::newRow("negative fraction") << -0.75 << "-0.75";
    QTest::newRow("whole below 1e15") << 999999999999999.0 << " 999999999999999";
    QTest::newRow("1e15") << 1e15 << " 1E+15";
    QTest::newRow("huge negative") << -6e307 << "-6E+307";
    QTest::newRow("tiny") << 1e-7 << " 1E-07";
}

void TestNumbers::formatSigned()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatSigned(value)), expected);
}

void TestNumbers::formatSignedReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("negative counter") << -32768.0;
    QTest::newRow("whole below 1e15") << -123456789012345.0;
    QTest::newRow("third") << 1.0 / 3;
    QTest::newRow("large") << 6.02214076e23;
    QTest::newRow("small negative") << -1.5e-12;
}

void TestNumbers::formatSignedReadsBack()
{
    QFETCH(double, value);
    const double back = ReadNumber(FormatSigned(value));
    QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14,
        qPrintable(QString::number(back, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
