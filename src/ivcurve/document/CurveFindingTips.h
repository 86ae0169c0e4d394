#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QwtPlot;

namespace IVCurve {

// The texts of the finding symbols under the mouse, as the plot canvas's tool tip.
class CurveFindingTips : public QObject
{
    Q_OBJECT

public:
    // Watches the canvas of `plot` for as long as the plot lives.
    explicit CurveFindingTips(QwtPlot* plot);

    // The titles of the shown finding symbols within a few pixels of `canvasPoint`, one per line.
    QString textAt(const QPoint& canvasPoint) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QwtPlot* plot;
};

} // namespace IVCurve
