#pragma once

#include <QRectF>
#include <QSizeF>

// The A4 page of the manuals in units of 1/96 inch, the unit the text layout and the PDF share,
// so that picture widths written in the text are the widths printed.
struct ManualPage
{
    static constexpr double dotsPerInch = 96.0;
    static constexpr double width = 210.0 / 25.4 * dotsPerInch;
    static constexpr double height = 297.0 / 25.4 * dotsPerInch;
    static constexpr double sideMargin = 22.0 / 25.4 * dotsPerInch;
    static constexpr double topMargin = 24.0 / 25.4 * dotsPerInch;
    static constexpr double bottomMargin = 22.0 / 25.4 * dotsPerInch;

    static QSizeF bodySize() { return QSizeF(width - 2 * sideMargin, height - topMargin - bottomMargin); }
    static QRectF bodyRect() { return QRectF(QPointF(sideMargin, topMargin), bodySize()); }
};
