#include "CurvePalette.h"

namespace IVCurve {

namespace {
const int plainShade = 100;
const int shadeStep = 20;
const int darkestShade = 280;
} // namespace

CurvePalette& CurvePalette::instance()
{
    static CurvePalette palette;
    return palette;
}

const QVector<QColor>& CurvePalette::colours()
{
    static const QVector<QColor> all{
        QColor(QStringLiteral("tomato")),       QColor(QStringLiteral("lawngreen")),
        QColor(QStringLiteral("cadetblue")),    QColor(QStringLiteral("mediumspringgreen")),
        QColor(QStringLiteral("plum")),         QColor(QStringLiteral("royalblue")),
        QColor(QStringLiteral("sandybrown")),   QColor(QStringLiteral("darkorchid")),
        QColor(Qt::red),                        QColor(Qt::green),
        QColor(Qt::blue),                       QColor(Qt::cyan),
        QColor(Qt::magenta),                    QColor(Qt::darkYellow),
        QColor(Qt::gray)};
    return all;
}

QColor CurvePalette::takeColour()
{
    if (index >= colourCount) {
        index = 0;
        darkness = darkness > darkestShade ? plainShade : darkness + shadeStep;
    }
    return colours().at(index++).darker(darkness);
}

void CurvePalette::reset()
{
    index = 0;
    darkness = plainShade;
}

} // namespace IVCurve
