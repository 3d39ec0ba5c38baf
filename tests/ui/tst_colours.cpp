// SPDX-License-Identifier: MIT
#include "colours.h"

#include <QTest>

#include <map>

Q_DECLARE_METATYPE(Colours::Surface)

namespace {

// A system palette as Windows keeps it: the default scheme and the two
// high-contrast ones it ships.
using Scheme = std::map<Colours::System, Colour>;
const Scheme Usual { { Colours::System::Window, 0xFFFFFF },
    { Colours::System::WindowText, 0x000000 }, { Colours::System::Highlight, 0xD77800 },
    { Colours::System::HighlightText, 0xFFFFFF }, { Colours::System::ButtonFace, 0xF0F0F0 },
    { Colours::System::GrayText, 0x6D6D6D } };
const Scheme Dark { { Colours::System::Window, 0x000000 },
    { Colours::System::WindowText, 0xFFFFFF }, { Colours::System::Highlight, 0xFFFF00 },
    { Colours::System::HighlightText, 0x000000 }, { Colours::System::ButtonFace, 0x000000 },
    { Colours::System::GrayText, 0x00FF00 } };
const Scheme Bright { { Colours::System::Window, 0xFFFFFF },
    { Colours::System::WindowText, 0x000000 }, { Colours::System::Highlight, 0x6E0037 },
    { Colours::System::HighlightText, 0xFFFFFF }, { Colours::System::ButtonFace, 0xFFFFFF },
    { Colours::System::GrayText, 0x000060 } };

} // namespace

class TestColours : public QObject {
    Q_OBJECT

private slots:
    void everySurfaceReads_data();
    void everySurfaceReads();
};

void TestColours::everySurfaceReads_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<bool>("highContrast");
    QTest::newRow("usual colours") << 0 << false;
    QTest::newRow("high contrast black") << 1 << true;
    QTest::newRow("high contrast white") << 2 << true;
    // A high-contrast palette without the switch: the layout's colours, each
    // with the text that reads on it.
    QTest::newRow("black scheme, switch off") << 1 << false;
}

void TestColours::everySurfaceReads()
{
    QFETCH(int, scheme);
    QFETCH(bool, highContrast);
    const Scheme &s = scheme == 0 ? Usual : scheme == 1 ? Dark : Bright;
    const Colours::Palette palette = [&s](Colours::System c) { return s.at(c); };
    const auto of
        = [&](Colours::Surface surface) { return Colours::of(surface, highContrast, palette); };
    using S = Colours::Surface;
    for (S surface : { S::MainWindow, S::Caption, S::PromptRest, S::PromptFlash }) {
        const Colours::Pair pair = of(surface);
        QVERIFY2(Colours::contrast(pair.back, pair.text) >= 4.5,
            qPrintable(QString::number(int(surface))));
        if (highContrast) // the system's colours throughout, and nothing of the layout's
            QVERIFY(s.at(Colours::System::Window) == pair.back
                || s.at(Colours::System::Highlight) == pair.back);
    }
    // The prompt box still flashes: its two colours differ.
    QVERIFY(of(S::PromptRest).back != of(S::PromptFlash).back);
    if (!highContrast)
        QCOMPARE(of(S::MainWindow).back, Colour(0x00FF8080));
}

QTEST_APPLESS_MAIN(TestColours)
#include "tst_colours.moc"
