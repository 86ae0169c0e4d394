#include "CurveFindingTips.h"

#include <qwt_plot.h>
#include <qwt_plot_marker.h>

#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

namespace IVCurve {

namespace {
// About the size of a finding's symbol, so that pointing at it is enough.
const int reach = 7;
} // namespace

CurveFindingTips::CurveFindingTips(QwtPlot* watchedPlot)
    : QObject(watchedPlot)
    , plot(watchedPlot)
{
    plot->canvas()->installEventFilter(this);
}

// The maximum power markers have no title: only the finding symbols carry text.
QString CurveFindingTips::textAt(const QPoint& canvasPoint) const
{
    QStringList texts;
    for (const QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotMarker)) {
        const auto* marker = static_cast<const QwtPlotMarker*>(item);
        if (!marker->isVisible() || marker->title().isEmpty())
            continue;
        const QPoint at(qRound(plot->transform(marker->xAxis(), marker->xValue())),
                        qRound(plot->transform(marker->yAxis(), marker->yValue())));
        if ((at - canvasPoint).manhattanLength() <= 2 * reach)
            texts.append(marker->title().text());
    }
    return texts.join(QLatin1Char('\n'));
}

bool CurveFindingTips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || watched != plot->canvas())
        return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = textAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, plot->canvas());
    return true;
}

} // namespace IVCurve
