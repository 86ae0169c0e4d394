// The curve plot at 100, 1,000 and 3,000 strings with every kind shown (eight lines a string), on a
// window that is really painted. Selecting the strings ends with the plot painted once; a redraw
// is a zoom, a pan or a resize. Both are set against a bare QwtPlot that paints the same point sets
// with Qwt's plain defaults, measured in the same run; the tracker's text is timed as well.
#include "BestOf.h"
#include "CurveGraph.h"
#include "CurveSource.h"
#include "CurveStringLines.h"
#include "CurveTracker.h"
#include "CurveZoomer.h"

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>

#include <QApplication>
#include <QTextStream>

#include <cmath>
#include <memory>
#include <vector>

using namespace IVCurve;

namespace {
const int pointCount = 250;
const QSize windowSize(1200, 800);
const QSize resizedWindow(1100, 740);
const double selectGoalMs = 500.0;
const double redrawGoalMs = 100.0;
// Cost per string at 3,000 strings may be this much above the cost at 100 and still count as linear.
const double linearSlack = 1.5;

QVector<QPointF> diodeCurve(double voc, double isc)
{
    QVector<QPointF> points;
    for (int i = 0; i < pointCount; ++i) {
        const double v = voc * i / (pointCount - 1);
        points.append(QPointF(v, isc * (1.0 - std::pow(v / voc, 12.0))));
    }
    return points;
}

class PreparedSource : public CurveSource
{
public:
    bool stringLines(uint stringId, CurveStringLines& lines) override
    {
        lines.title = QStringLiteral("String %1").arg(stringId);
        lines.colour = QColor::fromHsv(int(stringId * 7 % 360), 200, 200);
        lines.measured = diodeCurve(400.0 + stringId % 50, 8.0 - stringId % 7 * 0.1);
        lines.stc = diodeCurve(420.0 + stringId % 50, 9.0 - stringId % 5 * 0.1);
        lines.nominal = diodeCurve(430.0, 9.2);
        lines.expected = diodeCurve(405.0 + stringId % 50, 8.1 - stringId % 5 * 0.1);
        lines.performanceFactor = 0.95;
        return true;
    }
};

// Counts the paints of one widget, so that a figure is known to include painting.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void paintNow(QwtPlot& plot)
{
    plot.replot();
    QApplication::processEvents();
}

void selectAll(CurveGraph& graph, int strings)
{
    for (uint id = 1; id <= uint(strings); ++id)
        graph.slotInsertCurves(id);
    QApplication::processEvents();
}

std::unique_ptr<CurveGraph> shownGraph(PreparedSource& source)
{
    auto graph = std::make_unique<CurveGraph>(source);
    graph->resize(windowSize);
    graph->displayMEASToggled(true);
    graph->displayNOMToggled(true);
    graph->displayEXPToggled(true);
    graph->displayPWRToggled(true);
    graph->show();
    QApplication::processEvents();
    return graph;
}

std::vector<std::unique_ptr<QwtPlotCurve>> plainCurves(QwtPlot& plot, PreparedSource& source, int strings)
{
    std::vector<std::unique_ptr<QwtPlotCurve>> curves;
    for (uint id = 1; id <= uint(strings); ++id) {
        CurveStringLines lines;
        source.stringLines(id, lines);
        for (const QVector<QPointF>* points : {&lines.measured, &lines.stc, &lines.nominal, &lines.expected}) {
            for (bool power : {false, true}) {
                QVector<QPointF> samples = *points;
                if (power) {
                    for (QPointF& point : samples)
                        point.setY(point.x() * point.y());
                }
                auto curve = std::make_unique<QwtPlotCurve>(lines.title);
                // Listed in no legend, as the curve plot's lines: each one listed makes every
                // later one dearer to add.
                curve->setItemAttribute(QwtPlotItem::Legend, false);
                curve->setPen(lines.colour);
                curve->setSamples(samples);
                curve->setYAxis(power ? QwtPlot::yRight : QwtPlot::yLeft);
                curve->attach(&plot);
                curves.push_back(std::move(curve));
            }
        }
    }
    return curves;
}

std::unique_ptr<QwtPlot> plainPlot()
{
    auto plot = std::make_unique<QwtPlot>();
    plot->resize(windowSize);
    plot->enableAxis(QwtPlot::yRight);
    plot->setAutoReplot(false);
    plot->show();
    QApplication::processEvents();
    return plot;
}

struct Redraws
{
    qint64 zoom = 0;
    qint64 pan = 0;
    qint64 resize = 0;
};

Redraws redrawTimes(QwtPlot& plot, const std::function<void(const QRectF&)>& zoomTo)
{
    Redraws times;
    times.zoom = bestOf(3, [&] {
        zoomTo(QRectF(100, 1, 200, 6));
        paintNow(plot);
        zoomTo(QRectF());
        paintNow(plot);
    }) / 2;
    const QwtScaleDiv bottom = plot.axisScaleDiv(QwtPlot::xBottom);
    times.pan = bestOf(3, [&] {
        plot.setAxisScale(QwtPlot::xBottom, bottom.lowerBound() + 20, bottom.upperBound() + 20);
        paintNow(plot);
        plot.setAxisScale(QwtPlot::xBottom, bottom.lowerBound(), bottom.upperBound());
        paintNow(plot);
    }) / 2;
    times.resize = bestOf(3, [&] {
        plot.resize(resizedWindow);
        QApplication::processEvents();
        plot.resize(windowSize);
        QApplication::processEvents();
    }) / 2;
    return times;
}

struct SizeFigures
{
    int strings = 0;
    int lines = 0;
    int paints = 0;
    qint64 select = 0;
    qint64 plainSelect = 0;
    Redraws redraw;
    Redraws plainRedraw;
    qint64 tracker = 0;
    int trackerLines = 0;
};

SizeFigures measure(PreparedSource& source, int strings)
{
    SizeFigures figures;
    figures.strings = strings;
    figures.select = bestOf(3, [&] {
        const std::unique_ptr<CurveGraph> graph = shownGraph(source);
        PaintCounter counter(graph->canvas());
        selectAll(*graph, strings);
        figures.paints = counter.paints;
    });
    figures.plainSelect = bestOf(3, [&] {
        const std::unique_ptr<QwtPlot> plot = plainPlot();
        const auto curves = plainCurves(*plot, source, strings);
        paintNow(*plot);
    });

    const std::unique_ptr<CurveGraph> graph = shownGraph(source);
    selectAll(*graph, strings);
    figures.lines = graph->visibleLineCount();
    CurveZoomer* zoomer = graph->zoomer();
    figures.redraw = redrawTimes(*graph, [zoomer](const QRectF& rect) {
        if (rect.isNull())
            zoomer->zoom(0);
        else
            zoomer->zoom(rect);
    });
    QString text;
    figures.tracker = bestOf(5, [&] { text = graph->tracker()->textAt(QPointF(215.5, 4.0)); });
    figures.trackerLines = text.count(QStringLiteral("<br>")) + 1;

    const std::unique_ptr<QwtPlot> plot = plainPlot();
    const auto curves = plainCurves(*plot, source, strings);
    paintNow(*plot);
    QwtPlot* bare = plot.get();
    figures.plainRedraw = redrawTimes(*plot, [bare](const QRectF& rect) {
        if (rect.isNull()) {
            bare->setAxisAutoScale(QwtPlot::xBottom);
            bare->setAxisAutoScale(QwtPlot::yLeft);
        } else {
            bare->setAxisScale(QwtPlot::xBottom, rect.left(), rect.right());
            bare->setAxisScale(QwtPlot::yLeft, rect.top(), rect.bottom());
        }
    });
    return figures;
}

double ms(qint64 nanoseconds)
{
    return nanoseconds / 1e6;
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("NOT met");
}

qint64 slowest(const Redraws& redraws)
{
    return qMax(redraws.zoom, qMax(redraws.pan, redraws.resize));
}

void print(QTextStream& out, const SizeFigures& f)
{
    out << f.strings << " strings, " << f.lines << " lines (" << f.paints << " paints while selecting):\n"
        << "  select and paint: " << ms(f.select) << " ms, bare plot " << ms(f.plainSelect) << " ms, ratio "
        << double(f.select) / f.plainSelect << "; " << ms(f.select) / f.strings << " ms a string\n"
        << "  redraw zoom/pan/resize: " << ms(f.redraw.zoom) << " / " << ms(f.redraw.pan) << " / "
        << ms(f.redraw.resize) << " ms, bare plot " << ms(f.plainRedraw.zoom) << " / " << ms(f.plainRedraw.pan)
        << " / " << ms(f.plainRedraw.resize) << " ms, ratio of the slowest "
        << double(slowest(f.redraw)) / slowest(f.plainRedraw) << "\n"
        << "  tracker text, " << f.trackerLines << " lines of it: " << ms(f.tracker) << " ms\n";
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    PreparedSource source;
    std::vector<SizeFigures> sizes;
    for (int strings : {100, 1000, 3000}) {
        sizes.push_back(measure(source, strings));
        print(out, sizes.back());
        out.flush();
    }
    const SizeFigures& thousand = sizes.at(1);
    const double growth = (ms(sizes.back().select) / sizes.back().strings) / (ms(sizes.front().select) / sizes.front().strings);
    out << "Goals:\n"
        << "  selecting 1,000 strings under " << selectGoalMs << " ms: " << verdict(ms(thousand.select) < selectGoalMs)
        << " (" << ms(thousand.select) << " ms)\n"
        << "  cost a string at 3,000 within " << linearSlack << "x of that at 100: " << verdict(growth <= linearSlack)
        << " (" << growth << "x)\n"
        << "  a redraw at 1,000 strings under " << redrawGoalMs << " ms: "
        << verdict(ms(slowest(thousand.redraw)) < redrawGoalMs) << " (" << ms(slowest(thousand.redraw)) << " ms)\n";
    return 0;
}
