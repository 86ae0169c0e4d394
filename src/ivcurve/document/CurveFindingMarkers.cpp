#include "CurveFindingMarkers.h"

#include "CurveDiagnosis.h"

#include <qwt_plot.h>
#include <qwt_symbol.h>

#include <QPen>

namespace IVCurve {

namespace {
const int symbolSize = 11;
const QColor sureColour(0xD9, 0x6A, 0x00);
const QColor uncertainColour(0x90, 0x90, 0x90);
// Shares of Voc: the slope near Voc and the fall near Isc are judged there.
const double nearOpenCircuit = 0.95;
const double nearShortCircuit = 0.1;

QwtSymbol* symbolFor(bool uncertain)
{
    const QColor colour = uncertain ? uncertainColour : sureColour;
    return new QwtSymbol(QwtSymbol::Diamond, QBrush(colour), QPen(Qt::black, 1.0), QSize(symbolSize, symbolSize));
}
} // namespace

CurveFindingMarkers::~CurveFindingMarkers()
{
    hide();
}

void CurveFindingMarkers::place(const QVector<QPointF>& measured, const QVector<DiagnosisFinding>& findings,
                                QwtPlot* plot, bool visible)
{
    hide();
    markers.clear();
    if (measured.isEmpty())
        return;
    for (const DiagnosisFinding& finding : findings)
        add(position(finding, measured), finding);
    setVisible(visible);
    if (plot)
        showOn(plot);
}

void CurveFindingMarkers::add(const QPointF& where, const DiagnosisFinding& finding)
{
    for (const std::unique_ptr<QwtPlotMarker>& marker : markers) {
        if (marker->value() == where) {
            marker->setTitle(marker->title().text() + QLatin1Char('\n') + finding.text());
            if (!finding.uncertain)
                marker->setSymbol(symbolFor(false));
            return;
        }
    }
    auto marker = std::make_unique<QwtPlotMarker>(finding.text());
    marker->setItemAttribute(QwtPlotItem::Legend, false);
    marker->setSymbol(symbolFor(finding.uncertain));
    marker->setValue(where);
    marker->setZ(marker->z() + 1.0);
    markers.push_back(std::move(marker));
}

QPointF CurveFindingMarkers::position(const DiagnosisFinding& finding, const QVector<QPointF>& measured)
{
    double openCircuit = 0.0;
    QPointF mpp;
    for (const QPointF& point : measured) {
        openCircuit = qMax(openCircuit, point.x());
        if (point.x() * point.y() > mpp.x() * mpp.y())
            mpp = point;
    }
    double voltage = mpp.x();
    if (finding.kind == DiagnosisFinding::Kind::Step)
        voltage = finding.voltage;
    else if (finding.kind == DiagnosisFinding::Kind::HighSeriesResistance)
        voltage = nearOpenCircuit * openCircuit;
    else if (finding.kind == DiagnosisFinding::Kind::LowShuntResistance)
        voltage = nearShortCircuit * openCircuit;
    return QPointF(voltage, CurveDiagnosis::currentAt(measured, voltage));
}

void CurveFindingMarkers::showOn(QwtPlot* plot)
{
    for (const std::unique_ptr<QwtPlotMarker>& marker : markers)
        marker->attach(plot);
}

void CurveFindingMarkers::hide()
{
    for (const std::unique_ptr<QwtPlotMarker>& marker : markers)
        marker->detach();
}

void CurveFindingMarkers::setVisible(bool visible)
{
    for (const std::unique_ptr<QwtPlotMarker>& marker : markers)
        marker->setVisible(visible);
}

int CurveFindingMarkers::count() const
{
    return int(markers.size());
}

} // namespace IVCurve
