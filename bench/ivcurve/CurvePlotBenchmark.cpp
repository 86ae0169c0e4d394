// Showing 200 selected strings with every kind on (1,200 lines) and replotting them, against a
// bare QwtPlot holding the same point sets; and the tracker's text for all of them at one
// voltage. Prints the times and the ratio.
#include "BestOf.h"
#include "CurveGraph.h"
#include "CurveSource.h"
#include "CurveTracker.h"

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <QApplication>
#include <QTextStream>

#include <memory>
#include <vector>

using namespace IVCurve;

namespace {
const int stringCount = 200;
const int pointCount = 250;

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
        lines.measured = diodeCurve(400.0 + stringId % 50, 8.0);
        lines.stc = diodeCurve(420.0 + stringId % 50, 9.0);
        lines.nominal = diodeCurve(430.0, 9.2);
        return true;
    }
};

void showAll(CurveGraph& graph)
{
    for (uint id = 1; id <= stringCount; ++id)
        graph.slotInsertCurves(id);
}

std::vector<std::unique_ptr<QwtPlotCurve>> plainCurves(QwtPlot& plot, PreparedSource& source)
{
    std::vector<std::unique_ptr<QwtPlotCurve>> curves;
    for (uint id = 1; id <= stringCount; ++id) {
        CurveStringLines lines;
        source.stringLines(id, lines);
        for (const QVector<QPointF>* points : {&lines.measured, &lines.stc, &lines.nominal}) {
            for (bool power : {false, true}) {
                QVector<QPointF> samples = *points;
                if (power) {
                    for (QPointF& point : samples)
                        point.setY(point.x() * point.y());
                }
                auto curve = std::make_unique<QwtPlotCurve>(lines.title);
                curve->setPen(lines.colour, 2.0);
                curve->setSamples(samples);
                curve->setYAxis(power ? QwtPlot::yRight : QwtPlot::yLeft);
                curve->attach(&plot);
                curves.push_back(std::move(curve));
            }
        }
        plot.replot();
    }
    return curves;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    PreparedSource source;

    const qint64 graphShow = bestOf(3, [&] {
        CurveGraph graph(source);
        graph.resize(1200, 800);
        graph.displayMEASToggled(true);
        graph.displayNOMToggled(true);
        graph.displayPWRToggled(true);
        showAll(graph);
        for (CurveLineKind kind : {CurveLineKind::MeasuredIV, CurveLineKind::NominalPower})
            Q_ASSERT(graph.lineCount(kind) == stringCount);
    });
    const qint64 plainShow = bestOf(3, [&] {
        QwtPlot plot;
        plot.resize(1200, 800);
        plot.enableAxis(QwtPlot::yRight);
        plot.setAutoReplot(false);
        const auto curves = plainCurves(plot, source);
        Q_UNUSED(curves)
    });

    CurveGraph graph(source);
    graph.resize(1200, 800);
    graph.displayMEASToggled(true);
    graph.displayNOMToggled(true);
    graph.displayPWRToggled(true);
    showAll(graph);
    QwtPlot plot;
    plot.resize(1200, 800);
    const auto curves = plainCurves(plot, source);
    const qint64 graphReplot = bestOf(5, [&] { graph.replot(); });
    const qint64 plainReplot = bestOf(5, [&] { plot.replot(); });

    QString text;
    const qint64 tracker = bestOf(20, [&] { text = graph.tracker()->textAt(215.5); });

    CurveGraph stcOnly(source);
    showAll(stcOnly);
    QString stcText;
    const qint64 stcTracker = bestOf(20, [&] { stcText = stcOnly.tracker()->textAt(215.5); });

    out << "lines shown: " << graph.visibleLineCount() << "\n";
    out << "show all:  curve plot " << graphShow / 1e6 << " ms, plain plot " << plainShow / 1e6
        << " ms, ratio " << double(graphShow) / plainShow << " (goal within 2)\n";
    out << "replot:    curve plot " << graphReplot / 1e6 << " ms, plain plot " << plainReplot / 1e6
        << " ms, ratio " << double(graphReplot) / plainReplot << " (goal within 2)\n";
    out << "tracker text for " << text.count(QStringLiteral("<br>")) + 1 << " lines: " << tracker / 1e6
        << " ms\n";
    out << "tracker text for " << stcText.count(QStringLiteral("<br>")) + 1 << " curves: " << stcTracker / 1e6
        << " ms (goal under 1 ms)\n";
    return 0;
}
