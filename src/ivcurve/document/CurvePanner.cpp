#include "CurvePanner.h"

namespace IVCurve {

CurvePanner::CurvePanner(QWidget* canvas)
    : QwtPlotPanner(canvas)
{
    setMouseButton(Qt::LeftButton, Qt::ControlModifier);
    setCursor(Qt::ClosedHandCursor);
}

} // namespace IVCurve
