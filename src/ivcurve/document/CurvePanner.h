#pragma once

#include <qwt_plot_panner.h>

namespace IVCurve {

// Moves the visible part of the plot while the user drags with Ctrl held; the left button
// alone zooms, and Ctrl with the left button works on touchpads without a middle button.
class CurvePanner : public QwtPlotPanner
{
    Q_OBJECT

public:
    explicit CurvePanner(QWidget* canvas);
};

} // namespace IVCurve
