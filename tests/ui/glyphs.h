// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
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
