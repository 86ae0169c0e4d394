#include "CurveTracker.h"

#include "CurveLine.h"
#include "ListSeparator.h"

#include <qwt_plot.h>
#include <qwt_text.h>

#include <QPen>

namespace IVCurve {

namespace {
const int trackerPointSize = 10;

QString suffixOf(CurveLineKind kind)
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::StcIV:
        return QStringLiteral("<sub>STC</sub>");
    case CurveLineKind::NominalIV:
        return QStringLiteral("<sub>nom</sub>");
    default:
        return QString();
    }
}
} // namespace

CurveTracker::CurveTracker(QWidget* canvas)
    : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, canvas)
    , listSeparator(ListSeparator::forLocale())
{
    setTrackerMode(QwtPicker::AlwaysOn);
    setRubberBand(QwtPicker::NoRubberBand);
    QFont font(QStringLiteral("Arial"), trackerPointSize);
    font.setBold(true);
    setTrackerFont(font);
}

QString CurveTracker::textAt(double voltage) const
{
    // Without group separators: "1,876.9W, " would read as two numbers where "," separates them.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return textAt(voltage, visibleLines(), listSeparator, locale);
}

QString CurveTracker::textAt(double voltage, const QVector<const CurveLine*>& lines, const QString& listSeparator,
                             const QLocale& locale)
{
    QStringList texts;
    for (const CurveLine* line : lines) {
        double value = 0.0;
        if (line->valueAt(voltage, value))
            texts.append(lineText(*line, voltage, value, listSeparator, locale));
    }
    return texts.join(QStringLiteral("<br>"));
}

QString CurveTracker::lineText(const CurveLine& line, double voltage, double value, const QString& listSeparator,
                               const QLocale& locale)
{
    const QString colour = line.colour().name();
    const QString title = line.title().text().toHtmlEscaped();
    const QString suffix = suffixOf(line.kind());
    const QString volts = locale.toString(voltage, 'f', 1);
    if (isPowerLine(line.kind()))
        return QStringLiteral("<font color=%1>%2: %3V%4%7 %5W%6</font>")
            .arg(colour, title, volts, suffix, locale.toString(value, 'f', 1), suffix, listSeparator);
    return QStringLiteral("<font color=%1>%2: %3V%4%9 %5A%6%9 %7W%8</font>")
        .arg(colour, title, volts, suffix, locale.toString(value, 'f', 1), suffix,
             locale.toString(voltage * value, 'f', 1), suffix, listSeparator);
}

QVector<const CurveLine*> CurveTracker::visibleLines() const
{
    QVector<const CurveLine*> lines;
    if (!plot())
        return lines;
    for (const QwtPlotItem* item : plot()->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        if (const auto* line = dynamic_cast<const CurveLine*>(item))
            lines.append(line);
    }
    return lines;
}

QwtText CurveTracker::trackerTextF(const QPointF& position) const
{
    QwtText text(textAt(position.x()), QwtText::RichText);
    text.setFont(trackerFont());
    text.setRenderFlags(Qt::AlignLeft | Qt::AlignTop);
    QColor background(Qt::white);
    background.setAlpha(220);
    text.setBackgroundBrush(background);
    // A framed box reads as one label over the curves and the grid.
    text.setBorderPen(QPen(QColor(150, 150, 150)));
    text.setBorderRadius(3);
    return text;
}

} // namespace IVCurve
