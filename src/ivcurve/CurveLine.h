#pragma once

#include "CurveLineKind.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>

#include <QColor>
#include <QPointF>
#include <QVector>

class QwtPlot;

namespace IVCurve {

// One line of one string in the plot, with a marker on its maximum power point. Power lines are
// made from the same (V, I) points as the current lines and plot V·I against the right axis.
// Only the points that make a visible difference on the pixels it covers are drawn.
class CurveLine : public QwtPlotCurve
{
public:
    CurveLine(uint stringId, CurveLineKind kind, const QString& title, const QColor& colour,
              const QVector<QPointF>& ivPoints);
    ~CurveLine() override;

    uint stringId() const;
    CurveLineKind kind() const;
    QColor colour() const;
    void setColour(const QColor& colour);
    // A plot crowded with lines draws them thin and without smoothing, which is many times
    // quicker; the dashes that tell the kinds apart stay.
    void setCrowded(bool crowded);

    // Attaches or detaches the line together with its marker.
    void showOn(QwtPlot* plot);
    void hide();

    // The voltage, and current or power, where the line crosses `voltage`; false where no
    // segment of the line spans it. Lines run from low to high voltage, so the segment is
    // found by bisection.
    bool valueAt(double voltage, double& value) const;

protected:
    void drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& canvasRect,
                   int from, int to) const override;

private:
    static QVector<QPointF> powerPoints(const QVector<QPointF>& ivPoints);
    void placeMarker();

    uint id;
    CurveLineKind lineKind;
    bool crowded = false;
    QwtPlotMarker mppMarker;
};

} // namespace IVCurve
