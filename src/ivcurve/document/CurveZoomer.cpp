#include "CurveZoomer.h"

#include <QPen>

namespace IVCurve {

CurveZoomer::CurveZoomer(QWidget* canvas)
    : QwtPlotZoomer(canvas)
{
    setRubberBand(QwtPicker::RectRubberBand);
    setRubberBandPen(QPen(QColor(QStringLiteral("MediumOrchid")), 1.5, Qt::DashLine));
    setTrackerMode(QwtPicker::AlwaysOff);
}

} // namespace IVCurve
