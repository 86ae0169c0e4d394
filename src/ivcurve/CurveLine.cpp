#include "CurveLine.h"

#include <qwt_plot.h>
#include <qwt_symbol.h>

#include <QPen>

namespace IVCurve {

namespace {
const double linePenWidth = 2.0;
const int markerSize = 8;
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
    mppMarker.setItemAttribute(QwtPlotItem::Legend, false);
    if (isPowerLine(kind)) {
        setYAxis(QwtPlot::yRight);
        mppMarker.setYAxis(QwtPlot::yRight);
    }
    setSamples(isPowerLine(kind) ? powerPoints(ivPoints) : ivPoints);
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
    setPen(colour, linePenWidth, penStyleOf(lineKind));
    mppMarker.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::white), QPen(colour, linePenWidth),
                                      QSize(markerSize, markerSize)));
}

void CurveLine::showOn(QwtPlot* plot)
{
    attach(plot);
    if (dataSize() > 0)
        mppMarker.attach(plot);
}

void CurveLine::hide()
{
    detach();
    mppMarker.detach();
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
