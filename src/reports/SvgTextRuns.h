#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QVector>

// The SVG renderer turns every text of a drawing into outlines. On paper that looks the same,
// but a PDF of a form then carries each letter as a curve: over a megabyte for one page. The
// plain texts of a drawing are therefore taken out and drawn as text, in the font they name, so
// that the PDF holds them as text in a font subset.
struct SvgTextRun
{
    // The start of the baseline, after text-anchor, in the drawing's own units.
    QPointF baseline;
    QString text;
    QString family;
    // In the drawing's units, as font-size gives it.
    double size = 16.0;
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
    // "start", "middle" or "end", as text-anchor gives it.
    QString anchor;
};

class SvgTextRuns
{
public:
    // Splits `svg` into the drawing without its plain texts and those texts. Texts with markup
    // inside, or inside transformed groups, stay in the drawing. False, with nothing changed,
    // when `svg` is no SVG that can be read.
    static bool split(const QByteArray& svg, QByteArray& shapes, QVector<SvgTextRun>& runs);
    // Where a run's text starts, for the width its text has in `font`.
    static QPointF start(const SvgTextRun& run, double textWidth);
};
