#include "CurveLine.h"

#include "PolylineThinning.h"

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_plot.h>
#include <qwt_point_mapper.h>
#include <qwt_symbol.h>

#include <QPen>

namespace IVCurve {

namespace {
const double linePenWidth = 2.0;
// Drawn with a pen this thin, lines take the painter's quick path, dashes included.
const double crowdedPenWidth = 1.0;
const int markerSize = 8;
// Half a pixel, on screen or on paper: closer to the line than that, a point changes nothing.
const double thinningTolerance = 0.5;
} // namespace

CurveLine::CurveLine(uint stringId, CurveLineKind kind, const QString& title, const QColor& colour,
                     const QVector<QPointF>& ivPoints)
    : QwtPlotCurve(title)
    , id(stringId)
    , lineKind(kind)
{
    setStyle(QwtPlotCurve::Lines);
    setCurveAttribute(QwtPlotCurve::Fitted, false);
    setRenderHint(QwtPlotItem::RenderAntialiased, true);
    setItemAttribute(QwtPlotItem::Legend, false);
    // Points held in full have no use for the scales' region of interest; told of it, thousands
    // of lines would each be told again at every redraw.
    setItemInterest(QwtPlotItem::ScaleInterest, false);
    mppMarker.setItemAttribute(QwtPlotItem::Legend, false);
    if (isPowerLine(kind)) {
        setYAxis(QwtPlot::yRight);
        mppMarker.setYAxis(QwtPlot::yRight);
    }
    plotted = isPowerLine(kind) ? powerPoints(ivPoints) : ivPoints;
    setSamples(plotted);
    setColour(colour);
    placeMarker();
}

// The marker is a member, not a child of the plot: the plot must not delete it a second time.
CurveLine::~CurveLine()
{
    mppMarker.detach();
}

uint CurveLine::stringId() const
{
    return id;
}

CurveLineKind CurveLine::kind() const
{
    return lineKind;
}

QColor CurveLine::colour() const
{
    return pen().color();
}

void CurveLine::setColour(const QColor& colour)
{
    setPen(colour, crowded ? crowdedPenWidth : linePenWidth, crowded ? Qt::SolidLine : penStyleOf(lineKind));
    mppMarker.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::white), QPen(colour, linePenWidth),
                                      QSize(markerSize, markerSize)));
}

void CurveLine::setCrowded(bool crowdedPlot)
{
    if (crowded == crowdedPlot)
        return;
    crowded = crowdedPlot;
    setRenderHint(QwtPlotItem::RenderAntialiased, !crowded);
    // Detached rather than hidden: thousands of hidden markers would still be looked at by every
    // redraw and tooltip, and cost a search in the plot's item list each when they go.
    if (crowded)
        mppMarker.detach();
    else
        attachMarker();
    findingMarkers.setVisible(!crowded);
    setColour(colour());
}

double CurveLine::performanceFactor() const
{
    return factor;
}

void CurveLine::setPerformanceFactor(double performanceFactor)
{
    factor = performanceFactor;
}

void CurveLine::showOn(QwtPlot* plot)
{
    attach(plot);
    if (!crowded)
        attachMarker();
    findingMarkers.showOn(plot);
}

void CurveLine::attachMarker()
{
    if (plot() && dataSize() > 0)
        mppMarker.attach(plot());
}

void CurveLine::hide()
{
    detach();
    mppMarker.detach();
    findingMarkers.hide();
}

void CurveLine::setFindings(const QVector<DiagnosisFinding>& findings)
{
    findingMarkers.place(plotted, findings, plot(), !crowded);
}

// A crowded line has neither symbol nor brush, and the plot saves and restores the painter around
// every item: the curve's own second save would only cost time, thousands of times a redraw.
void CurveLine::drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                           const QRectF& canvasRect, int from, int to) const
{
    const int last = plotted.size() - 1;
    if (!crowded || from != 0 || (to >= 0 && to != last) || last < 0) {
        QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, from, to);
        return;
    }
    painter->setPen(pen());
    drawCrowded(painter, xMap, yMap, clipRectOf(canvasRect));
}

// Points far outside the canvas (deep in a zoom) are clipped a pen's width beyond its edge, so
// the cut ends stay out of sight.
QRectF CurveLine::clipRectOf(const QRectF& canvasRect) const
{
    const qreal margin = qMax(qreal(1.0), pen().widthF());
    return canvasRect.adjusted(-margin, -margin, margin, margin);
}

void CurveLine::drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                          const QRectF& canvasRect, int from, int to) const
{
    if (from > to)
        return;
    const QRectF clipRect = clipRectOf(canvasRect);
    if (crowded && from == 0 && to == plotted.size() - 1) {
        drawCrowded(painter, xMap, yMap, clipRect);
        return;
    }
    QwtPointMapper mapper;
    mapper.setFlag(QwtPointMapper::RoundPoints, QwtPainter::roundingAlignment(painter));
    mapper.setFlag(QwtPointMapper::WeedOutPoints, true);
    mapper.setBoundingRect(canvasRect);
    const QPolygonF shown = QwtClipper::clipPolygonF(clipRect, mapper.toPolygonF(xMap, yMap, data(), from, to));
    QwtPainter::drawPolyline(painter, PolylineThinning::thinned(shown, thinningTolerance));
}

// Thinned before it is clipped: the thinned line stays within the tolerance of every point, so
// clipping it shows what clipping all points would, and a line cut by a pan or zoom costs no more
// to clip than the few points thinning left of it.
void CurveLine::drawCrowded(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                            const QRectF& clipRect) const
{
    PolylineThinning::thinAlongStrips(plotted, xMap, yMap, thinningTolerance, pixels);
    if (liesInside(xMap, yMap, clipRect)) {
        QwtPainter::drawPolyline(painter, pixels);
        return;
    }
    // Clipped into a polygon of its own: the pixels keep their room for the next redraw.
    PolylineThinning::trimOutside(pixels, clipRect);
    QwtPainter::drawPolyline(painter, QwtClipper::clipPolygonF(clipRect, pixels));
}

// The scales are linear, so the corners of the points' bounding rectangle map to the corners of
// the pixels' one: four points tell what looking at every point would.
bool CurveLine::liesInside(const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& clipRect) const
{
    const QRectF bounds = dataRect();
    if (xMap.transformation() || yMap.transformation())
        return false;
    const QRectF mapped = QRectF(QPointF(xMap.transform(bounds.left()), yMap.transform(bounds.top())),
                                 QPointF(xMap.transform(bounds.right()), yMap.transform(bounds.bottom())))
                              .normalized();
    return mapped.left() >= clipRect.left() && mapped.right() <= clipRect.right() && mapped.top() >= clipRect.top()
           && mapped.bottom() <= clipRect.bottom();
}

QVector<QPointF> CurveLine::powerPoints(const QVector<QPointF>& ivPoints)
{
    QVector<QPointF> power;
    power.reserve(ivPoints.size());
    for (const QPointF& point : ivPoints)
        power.append(QPointF(point.x(), point.x() * point.y()));
    return power;
}

// The first of equal maxima is the maximum power point, as for the curve itself.
void CurveLine::placeMarker()
{
    int best = -1;
    double bestPower = 0.0;
    for (int i = 0; i < int(dataSize()); ++i) {
        const QPointF point = sample(size_t(i));
        const double power = isPowerLine(lineKind) ? point.y() : point.x() * point.y();
        if (best < 0 || power > bestPower) {
            best = i;
            bestPower = power;
        }
    }
    if (best >= 0)
        mppMarker.setValue(sample(size_t(best)));
}

bool CurveLine::valueAt(double voltage, double& value) const
{
    const int count = int(dataSize());
    if (count < 2 || voltage < sample(0).x() || voltage > sample(size_t(count - 1)).x())
        return false;
    int low = 0;
    int high = count - 1;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        if (sample(size_t(middle)).x() <= voltage)
            low = middle;
        else
            high = middle;
    }
    const QPointF from = sample(size_t(low));
    const QPointF to = sample(size_t(high));
    if (voltage < from.x() || voltage > to.x())
        return false;
    const double span = to.x() - from.x();
    value = span > 0.0 ? from.y() + (to.y() - from.y()) * (voltage - from.x()) / span : from.y();
    return true;
}

} // namespace IVCurve
