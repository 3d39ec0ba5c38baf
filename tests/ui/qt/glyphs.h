// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QGlyphRun>
#include <QString>
#include <QTextLayout>

// The characters of the text that the font, with the fallback fonts Qt
// really picks for it, draws as no glyph (a box): each character laid out on
// its own, as the glyph runs name them.
inline QString missingGlyphs(const QFont &font, const QString &text)
{
    QString missing;
    for (const QChar c : text) {
        if (c.isSpace() || c.isSurrogate())
            continue;
        QTextLayout layout(QString(c), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0u))
                missing += c;
    }
    return missing;
}

// The family Qt really draws the interface in, if it is not the one the test
// run was given (WAKEPROBER_TEST_FONT, from tests/CMakeLists.txt): a font
// that is not installed would otherwise be measured as some other.
inline QString unexpectedInterfaceFont()
{
    const QString expected = qEnvironmentVariable("WAKEPROBER_TEST_FONT");
    const QString drawn = QFontInfo(QApplication::font()).family();
    return expected.isEmpty() || drawn == expected
        ? QString()
        : QStringLiteral("drawn in %1, not %2").arg(drawn, expected);
}
