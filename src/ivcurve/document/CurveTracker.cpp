#include "CurveTracker.h"

#include "CurveLine.h"
#include "ListSeparator.h"

#include <qwt_plot.h>
#include <qwt_text.h>

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace IVCurve {

namespace {
const int trackerPointSize = 10;
// Between the frame and the text: a frame drawn on the text's own edge cuts into its last letters.
const int boxPadding = 4;
const int boxRadius = 3;
const int performanceDecimals = 2;

QString suffixOf(CurveLineKind kind)
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::StcIV:
        return QStringLiteral("<sub>STC</sub>");
    case CurveLineKind::NominalIV:
        return QStringLiteral("<sub>nom</sub>");
    case CurveLineKind::ExpectedIV:
        return QStringLiteral("<sub>exp</sub>");
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

QString CurveTracker::textAt(const QPointF& position) const
{
    // Without group separators: "1,876.9W, " would read as two numbers where "," separates them.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QwtPlot* shownOn = plot();
    if (!shownOn)
        return QString();
    const double mouseY = shownOn->transform(QwtPlot::yLeft, position.y());
    const Distance distance = [shownOn, mouseY](const CurveLine& line, double value) {
        return qAbs(shownOn->transform(line.yAxis(), value) - mouseY);
    };
    return textAt(position.x(), visibleLines(), distance, listSeparator, locale);
}

QString CurveTracker::textAt(double voltage, const QVector<const CurveLine*>& lines, const Distance& distance,
                             const QString& listSeparator, const QLocale& locale)
{
    QVector<Reading> readings;
    for (const CurveLine* line : lines) {
        double value = 0.0;
        if (line->valueAt(voltage, value))
            readings.append({line, value, distance(*line, value)});
    }
    std::stable_sort(readings.begin(), readings.end(),
                     [](const Reading& a, const Reading& b) { return a.distance < b.distance; });
    const int listed = qMin(int(readings.size()), mostListed);
    QStringList texts;
    for (int i = 0; i < listed; ++i)
        texts.append(lineText(*readings.at(i).line, voltage, readings.at(i).value, listSeparator, locale));
    if (readings.size() > listed)
        texts.append(tr("… and %n more", "Tracker text: lines not listed", int(readings.size()) - listed));
    return texts.join(QStringLiteral("<br>"));
}

QString CurveTracker::lineText(const CurveLine& line, double voltage, double value, const QString& listSeparator,
                               const QLocale& locale)
{
    const QString colour = line.colour().name();
    const QString title = line.title().text().toHtmlEscaped();
    const QString suffix = suffixOf(line.kind());
    const QString volts = locale.toString(voltage, 'f', 1);
    const QString end = performanceText(line, listSeparator, locale) + QStringLiteral("</font>");
    if (isPowerLine(line.kind()))
        return QStringLiteral("<font color=%1>%2: %3V%4%7 %5W%6")
                   .arg(colour, title, volts, suffix, locale.toString(value, 'f', 1), suffix, listSeparator)
            + end;
    return QStringLiteral("<font color=%1>%2: %3V%4%9 %5A%6%9 %7W%8")
               .arg(colour, title, volts, suffix, locale.toString(value, 'f', 1), suffix,
                    locale.toString(voltage * value, 'f', 1), suffix, listSeparator)
        + end;
}

// An expected line tells how much of its power the string delivers.
QString CurveTracker::performanceText(const CurveLine& line, const QString& listSeparator, const QLocale& locale)
{
    if (!(line.performanceFactor() > 0.0))
        return QString();
    return listSeparator + QLatin1Char(' ')
        + tr("PF %1", "Tracker text: measured over expected maximum power")
              .arg(locale.toString(line.performanceFactor(), 'f', performanceDecimals));
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
    QwtText text(textAt(position), QwtText::RichText);
    text.setFont(trackerFont());
    text.setRenderFlags(Qt::AlignLeft | Qt::AlignTop);
    return text;
}

QRect CurveTracker::trackerRect(const QFont& font) const
{
    const QRect textRect = QwtPlotPicker::trackerRect(font);
    if (textRect.isEmpty())
        return textRect;
    QRect box = textRect.adjusted(-boxPadding, -boxPadding, boxPadding, boxPadding);
    // Kept inside the canvas, as the text alone would be.
    const QRect area = pickArea().boundingRect().toAlignedRect();
    box.moveLeft(qBound(area.left(), box.left(), qMax(area.left(), area.right() - box.width() + 1)));
    box.moveTop(qBound(area.top(), box.top(), qMax(area.top(), area.bottom() - box.height() + 1)));
    return box;
}

// A framed box reads as one label over the curves and the grid.
void CurveTracker::drawTracker(QPainter* painter) const
{
    const QRect box = trackerRect(painter->font());
    if (box.isEmpty())
        return;
    const QwtText text = trackerText(trackerPosition());
    if (text.isEmpty())
        return;
    QColor background(Qt::white);
    background.setAlpha(220);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(QColor(150, 150, 150)));
    painter->setBrush(background);
    painter->drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), boxRadius, boxRadius);
    painter->restore();
    text.draw(painter, box.adjusted(boxPadding, boxPadding, -boxPadding, -boxPadding));
}

} // namespace IVCurve
