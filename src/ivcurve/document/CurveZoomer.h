#pragma once

#include <qwt_plot_zoomer.h>

namespace IVCurve {

// Zooms into the rectangle the user drags with the left button; the right button steps back.
// The tracker of its own is off: CurveTracker shows what the lines read.
class CurveZoomer : public QwtPlotZoomer
{
    Q_OBJECT

public:
    explicit CurveZoomer(QWidget* canvas);
};

} // namespace IVCurve
