#pragma once

#include "CurveFindingMarkers.h"
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
    // A plot crowded with lines draws them thin, plain and without smoothing, which is many times
    // quicker: hundreds of overlapping lines leave no dash readable anyway, and the tracker still
    // names the kind of every line under the mouse.
    void setCrowded(bool crowded);
    // The string's measured power over its expected power, which an expected line tells the
    // tracker; 0 when there is none.
    double performanceFactor() const;
    void setPerformanceFactor(double factor);

    // Attaches or detaches the line together with its marker.
    void showOn(QwtPlot* plot);
    void hide();
    // Marks the findings of a measured line's diagnosis on it; they come and go with the line.
    void setFindings(const QVector<DiagnosisFinding>& findings);

    // The voltage, and current or power, where the line crosses `voltage`; false where no
    // segment of the line spans it. Lines run from low to high voltage, so the segment is
    // found by bisection.
    bool valueAt(double voltage, double& value) const;

    void drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& canvasRect,
                    int from, int to) const override;

protected:
    void drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& canvasRect,
                   int from, int to) const override;

private:
    void drawCrowded(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                     const QRectF& clipRect) const;
    QRectF clipRectOf(const QRectF& canvasRect) const;
    // Whether the whole line lies inside `clipRect`, which spares clipping it.
    bool liesInside(const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& clipRect) const;
    static QVector<QPointF> powerPoints(const QVector<QPointF>& ivPoints);
    void placeMarker();
    // On the plot the line is on, if any.
    void attachMarker();

    uint id;
    CurveLineKind lineKind;
    bool crowded = false;
    double factor = 0.0;
    QVector<QPointF> plotted;
    // Kept between redraws, so that redrawing a crowded plot allocates nothing for a line it need
    // not clip.
    mutable QPolygonF pixels;
    QwtPlotMarker mppMarker;
    CurveFindingMarkers findingMarkers;
};

} // namespace IVCurve
