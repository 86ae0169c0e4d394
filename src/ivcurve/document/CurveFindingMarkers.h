#pragma once

#include "DiagnosisFinding.h"

#include <qwt_plot_marker.h>

#include <QPointF>
#include <QVector>

#include <memory>

class QwtPlot;

namespace IVCurve {

// The places on a measured line where its diagnosis found something, each a small symbol whose
// title holds the findings' texts for the plot's tool tip. Findings that share a place (the power
// findings all sit on the maximum power point) share one symbol.
class CurveFindingMarkers
{
public:
    CurveFindingMarkers() = default;
    CurveFindingMarkers(const CurveFindingMarkers&) = delete;
    CurveFindingMarkers& operator=(const CurveFindingMarkers&) = delete;
    ~CurveFindingMarkers();

    // Replaces the symbols; they show on `plot` when it is given and `visible` holds.
    void place(const QVector<QPointF>& measured, const QVector<DiagnosisFinding>& findings, QwtPlot* plot,
               bool visible);
    void showOn(QwtPlot* plot);
    void hide();
    void setVisible(bool visible);
    int count() const;

    // Where on the measured line a finding belongs: the step where it starts, the power findings
    // at the maximum power point, series resistance near Voc, shunt resistance near Isc.
    static QPointF position(const DiagnosisFinding& finding, const QVector<QPointF>& measured);

private:
    void add(const QPointF& where, const DiagnosisFinding& finding);

    std::vector<std::unique_ptr<QwtPlotMarker>> markers;
};

} // namespace IVCurve
