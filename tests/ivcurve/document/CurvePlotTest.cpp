#include "CurveFindingMarkers.h"
#include "CurveFindingTips.h"
#include "CurveGraph.h"
#include "CurveGraphSquishHelper.h"
#include "CurveLine.h"
#include "CurvePalette.h"
#include "CurveSource.h"
#include "CurveTracker.h"
#include "CurveTypeLegend.h"
#include "CurveZoomer.h"
#include "PolylineThinning.h"
#include "TestMain.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <qwt_plot_renderer.h>

#include <cmath>

using namespace IVCurve;

namespace {
// Strings 1..n with a straight measured line, a converted one and, for odd ids, a nominal and an
// expected one.
class PreparedSource : public CurveSource
{
public:
    bool stringLines(uint stringId, CurveStringLines& lines) override
    {
        if (stringId == 0)
            return false;
        lines.title = QStringLiteral("String %1").arg(stringId);
        lines.colour = Qt::red;
        lines.measured = {{0, 8}, {100, 7}, {200, 0}};
        lines.stc = {{0, 9}, {110, 8}, {220, 0}};
        if (stringId % 2 == 1) {
            lines.nominal = {{0, 10}, {240, 0}};
            lines.expected = {{0, 7}, {190, 0}};
            lines.performanceFactor = 0.95;
        }
        return true;
    }
};

// The same strings; string 1 has a step from 50 V and less power than expected.
class DiagnosedSource : public PreparedSource
{
public:
    bool stringLines(uint stringId, CurveStringLines& lines) override
    {
        if (!PreparedSource::stringLines(stringId, lines))
            return false;
        if (stringId == 1) {
            DiagnosisFinding step;
            step.kind = DiagnosisFinding::Kind::Step;
            step.voltage = 50.0;
            DiagnosisFinding performance;
            performance.kind = DiagnosisFinding::Kind::LowPerformance;
            performance.value = 0.8;
            performance.limit = 0.95;
            lines.findings = {step, performance};
        }
        return true;
    }
};

// The finding symbols attached to the plot, by where they sit, and how many of them show.
QVector<QPointF> findingMarks(const CurveGraph& graph, bool visibleOnly = false)
{
    QVector<QPointF> places;
    for (const QwtPlotItem* item : graph.itemList(QwtPlotItem::Rtti_PlotMarker)) {
        const auto* marker = static_cast<const QwtPlotMarker*>(item);
        if (!marker->title().isEmpty() && (!visibleOnly || marker->isVisible()))
            places.append(marker->value());
    }
    std::sort(places.begin(), places.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return places;
}

// How tall, in pixels, the ink of the legend's title is: the title is alone in the picture's
// bottom left corner.
int legendTitleHeight(const QImage& picture)
{
    const QRgb background = picture.pixel(picture.width() / 20, picture.height() - 2);
    int top = picture.height();
    int bottom = 0;
    for (int y = picture.height() * 96 / 100; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width() / 6; ++x) {
            if (picture.pixel(x, y) != background) {
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    return qMax(0, bottom - top + 1);
}

// Counts the replots that reach the plot.
class CountingGraph : public CurveGraph
{
public:
    using CurveGraph::CurveGraph;
    void replot() override
    {
        ++replots;
        CurveGraph::replot();
    }
    int replots = 0;
};

QPolygonF polyline(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

QVector<const CurveLine*> constLines(const QVector<CurveLine*>& lines)
{
    return QVector<const CurveLine*>(lines.begin(), lines.end());
}

// Every line equally far from the mouse: listed in the order given.
double noDistance(const CurveLine&, double)
{
    return 0.0;
}

// Flat lines at currents 1, 2, ... n, all titled by their current.
QVector<CurveLine*> flatLines(int count)
{
    QVector<CurveLine*> lines;
    for (int current = 1; current <= count; ++current)
        lines.append(new CurveLine(uint(current), CurveLineKind::MeasuredIV, QString::number(current), Qt::red,
                                   {{0, double(current)}, {100, double(current)}}));
    return lines;
}

bool hasRedIn(const QImage& picture, int column)
{
    for (int y = 0; y < picture.height(); ++y) {
        const QColor colour = picture.pixelColor(column, y);
        if (colour.red() > 200 && colour.green() < 100 && colour.blue() < 100)
            return true;
    }
    return false;
}

// Whether every red pixel of `drawn` has a red pixel of `other` at most one pixel away.
bool redLiesNear(const QImage& drawn, const QImage& other)
{
    const QRgb red = qRgb(255, 0, 0);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != red)
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = other.rect().contains(x + dx, y + dy) && other.pixel(x + dx, y + dy) == red;
            }
            if (!near)
                return false;
        }
    }
    return true;
}

QImage blankCanvas()
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

class CurvePlotTest : public QObject
{
    Q_OBJECT

private slots:
    void paletteDarkensEachRoundAndStartsOver();
    void togglesCombineFamilyAndKind();
    void expectedLinesHaveTheirOwnToggleAndStyle();
    void removedStringsTakeTheirLines();
    void changedLinesZoomBackOutToAllOfThem();
    void selectingManyStringsReplotsOnce();
    void crowdedPlotDrawsPlainLines();
    void crowdedLinesAreDrawnWithoutGaps();
    void crowdedLineCoversWhatItsPointsCover();
    void findingsSitWhereTheyWereFound();
    void findingMarksFollowTheMeasuredLine();
    void findingMarksHideWhenCrowded();
    void thinningLeavesOutOnlyWhatTheEyeMisses();
    void quickThinningKeepsWhatLeavesItsStrip();
    void trimmingDropsOnlyWhatStaysOnOneSideOutside();
    void lineValuesInterpolateInsideTheirSpan();
    void trackerTextFollowsTheLineFormats();
    void trackerListsTheNearestLinesAndCountsTheRest();
    void trackerBoxLeavesRoomAroundItsText();
    void legendShowsTheKindsInOrder();
    void legendTitleCountsTheDrawnStrings();
    void legendOnPaperKeepsItsProportions();
};

void CurvePlotTest::paletteDarkensEachRoundAndStartsOver()
{
    CurvePalette palette;
    QCOMPARE(palette.takeColour(), QColor(QStringLiteral("tomato")));
    for (int i = 1; i < CurvePalette::colourCount; ++i)
        palette.takeColour();
    QCOMPARE(palette.takeColour(), QColor(QStringLiteral("tomato")).darker(120));
    // Rounds at 140 ... 300, then the plain colours again.
    for (int i = 1; i < CurvePalette::colourCount * 9; ++i)
        palette.takeColour();
    QCOMPARE(palette.takeColour(), QColor(QStringLiteral("tomato")).darker(300));
    for (int i = 1; i < CurvePalette::colourCount; ++i)
        palette.takeColour();
    QCOMPARE(palette.takeColour(), QColor(QStringLiteral("tomato")));
}

void CurvePlotTest::togglesCombineFamilyAndKind()
{
    PreparedSource source;
    CurveGraph graph(source);
    CurveGraphSquishHelper helper(&graph);
    QCOMPARE(helper.objectName(), QStringLiteral("SquishGraphHelper"));
    graph.slotInsertCurves(1);
    graph.slotInsertCurves(2);
    // IV and STC are on at first.
    QCOMPARE(helper.property("STCLineCount").toInt(), 2);
    QCOMPARE(helper.property("VisibleLineCount").toInt(), 2);

    graph.displayMEASToggled(true);
    QCOMPARE(helper.property("MEASLineCount").toInt(), 2);
    QCOMPARE(helper.property("MEASPWRLineCount").toInt(), 0);

    graph.displayNOMToggled(true);
    // Only string 1 has a module, so only it has a nominal line.
    QCOMPARE(helper.property("NOMLineCount").toInt(), 1);

    graph.displayPWRToggled(true);
    QCOMPARE(helper.property("MEASPWRLineCount").toInt(), 2);
    QCOMPARE(helper.property("STCPWRLineCount").toInt(), 2);
    QCOMPARE(helper.property("NOMPWRLineCount").toInt(), 1);
    QCOMPARE(helper.property("VisibleLineCount").toInt(), 10);

    graph.displayIVToggled(false);
    QCOMPARE(helper.property("MEASLineCount").toInt(), 0);
    QCOMPARE(helper.property("STCLineCount").toInt(), 0);
    QCOMPARE(helper.property("NOMLineCount").toInt(), 0);
    QCOMPARE(helper.property("VisibleLineCount").toInt(), 5);
    QVERIFY(!graph.axisEnabled(QwtPlot::yLeft));

    graph.displaySTCToggled(false);
    QCOMPARE(helper.property("STCPWRLineCount").toInt(), 0);
    graph.displayIVToggled(true);
    QVERIFY(graph.axisEnabled(QwtPlot::yLeft));
    QCOMPARE(helper.property("STCLineCount").toInt(), 0);
    QCOMPARE(helper.property("MEASLineCount").toInt(), 2);
    // Showing a string twice adds no second set of lines.
    graph.slotInsertCurves(1);
    QCOMPARE(helper.property("MEASLineCount").toInt(), 2);
}

void CurvePlotTest::expectedLinesHaveTheirOwnToggleAndStyle()
{
    PreparedSource source;
    CurveGraph graph(source);
    CurveGraphSquishHelper helper(&graph);
    graph.slotInsertCurves(1);
    graph.slotInsertCurves(2);
    graph.displayEXPToggled(true);
    // Only string 1 has a module, so only it has an expected line.
    QCOMPARE(helper.property("EXPLineCount").toInt(), 1);
    QCOMPARE(helper.property("VisibleLineCount").toInt(), 3);
    graph.displayPWRToggled(true);
    QCOMPARE(helper.property("EXPPWRLineCount").toInt(), 1);

    QSet<int> styles;
    for (QwtPlotItem* item : graph.itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const auto* line = static_cast<CurveLine*>(item);
        if (ivKindOf(line->kind()) == CurveLineKind::ExpectedIV)
            QCOMPARE(line->performanceFactor(), 0.95);
    }
    for (CurveLineKind kind : {CurveLineKind::MeasuredIV, CurveLineKind::StcIV, CurveLineKind::NominalIV,
                               CurveLineKind::ExpectedIV})
        styles.insert(penStyleOf(kind));
    QCOMPARE(styles.size(), 4);

    graph.displayEXPToggled(false);
    QCOMPARE(helper.property("EXPLineCount").toInt(), 0);
    QCOMPARE(helper.property("EXPPWRLineCount").toInt(), 0);
    QCOMPARE(helper.property("VisibleLineCount").toInt(), 4);
}

void CurvePlotTest::removedStringsTakeTheirLines()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.slotInsertCurves(1);
    graph.slotInsertCurves(0);
    QCOMPARE(graph.shownStrings(), (QVector<uint>{1, 0}));
    QCOMPARE(graph.visibleLineCount(), 1);
    graph.slotRemoveCurves(1);
    QCOMPARE(graph.visibleLineCount(), 0);
    QCOMPARE(graph.itemList(QwtPlotItem::Rtti_PlotCurve).size(), 0);
    QCOMPARE(graph.itemList(QwtPlotItem::Rtti_PlotMarker).size(), 0);
}

void CurvePlotTest::changedLinesZoomBackOutToAllOfThem()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.slotInsertCurves(1);
    graph.zoomer()->zoom(QRectF(150, 1, 20, 2));
    QCOMPARE(graph.axisScaleDiv(QwtPlot::xBottom).upperBound(), 170.0);

    // The new line (and every line shown before) is in view, and the base is all of them.
    graph.displayNOMToggled(true);
    QCOMPARE(graph.zoomer()->zoomRectIndex(), 0u);
    QVERIFY(graph.axisScaleDiv(QwtPlot::xBottom).upperBound() >= 240);
    QVERIFY(graph.axisScaleDiv(QwtPlot::yLeft).upperBound() >= 10);
    graph.zoomer()->zoom(QRectF(150, 1, 20, 2));
    graph.zoomer()->zoom(0);
    QVERIFY(graph.axisScaleDiv(QwtPlot::xBottom).upperBound() >= 240);
}

// One replot for the whole selection: a replot for each string made selecting all of them cost
// the square of their number.
void CurvePlotTest::selectingManyStringsReplotsOnce()
{
    PreparedSource source;
    CountingGraph graph(source);
    // A new plot replots once when it is polished.
    QCoreApplication::processEvents();
    graph.replots = 0;
    for (uint id = 1; id <= 50; ++id)
        graph.slotInsertCurves(id);
    graph.slotRemoveCurves(50);
    QCOMPARE(graph.visibleLineCount(), 49);
    QCoreApplication::processEvents();
    QCOMPARE(graph.replots, 1);
    QCOMPARE(graph.axisScaleDiv(QwtPlot::xBottom).upperBound() >= 220, true);
    QCoreApplication::processEvents();
    QCOMPARE(graph.replots, 1);
}

// Beyond 300 lines they are drawn thin, without smoothing: hundreds of overlapping lines hide
// the smoothing anyway, and it is what makes them slow to draw.
void CurvePlotTest::crowdedPlotDrawsPlainLines()
{
    PreparedSource source;
    CurveGraph graph(source);
    for (uint id = 1; id <= 300; ++id)
        graph.slotInsertCurves(id);
    QCoreApplication::processEvents();
    const auto firstLine = [&graph] {
        return dynamic_cast<const CurveLine*>(graph.itemList(QwtPlotItem::Rtti_PlotCurve).first());
    };
    QCOMPARE(graph.visibleLineCount(), 300);
    QCOMPARE(firstLine()->pen().widthF(), 2.0);
    QVERIFY(firstLine()->testRenderHint(QwtPlotItem::RenderAntialiased));

    QCOMPARE(graph.typeLegend()->sampleLabels(), (QStringList{"STC", "MEAS", "NOM", "EXP"}));

    graph.slotInsertCurves(301);
    QCoreApplication::processEvents();
    QCOMPARE(firstLine()->pen().widthF(), 1.0);
    QVERIFY(!firstLine()->testRenderHint(QwtPlotItem::RenderAntialiased));
    // Every line is now drawn alike: samples of dashes would tell of styles no line has.
    QVERIFY(graph.typeLegend()->sampleLabels().isEmpty());
    QCOMPARE(graph.typeLegend()->note(), QStringLiteral("all lines drawn plain: point at one to see its kind"));
    const QList<QwtPlotItem*> curves = graph.itemList(QwtPlotItem::Rtti_PlotCurve);
    QVERIFY(!dynamic_cast<const CurveLine*>(curves.last())->testRenderHint(QwtPlotItem::RenderAntialiased));
    // Dashes too are left out, and the markers that would bury the lines under white rings.
    graph.displayMEASToggled(true);
    const auto lastLine = dynamic_cast<const CurveLine*>(graph.itemList(QwtPlotItem::Rtti_PlotCurve).last());
    QCOMPARE(lastLine->kind(), CurveLineKind::MeasuredIV);
    QCOMPARE(lastLine->pen().style(), Qt::SolidLine);
    const auto visibleMarkers = [&graph] {
        int count = 0;
        for (const QwtPlotItem* marker : graph.itemList(QwtPlotItem::Rtti_PlotMarker))
            count += marker->isVisible() ? 1 : 0;
        return count;
    };
    QCOMPARE(visibleMarkers(), 0);
    QCOMPARE(graph.itemList(QwtPlotItem::Rtti_PlotMarker).size(), 0);

    graph.displayMEASToggled(false);
    graph.slotRemoveCurves(301);
    QCoreApplication::processEvents();
    QCOMPARE(firstLine()->pen().widthF(), 2.0);
    QVERIFY(firstLine()->testRenderHint(QwtPlotItem::RenderAntialiased));
    QCOMPARE(graph.typeLegend()->sampleLabels(), (QStringList{"STC", "MEAS", "NOM", "EXP"}));
    QVERIFY(graph.typeLegend()->note().isEmpty());
    QCOMPARE(firstLine()->pen().style(), Qt::SolidLine);
    // 150 strings with two kinds each: at the limit again, dashed and marked.
    for (uint id = 151; id <= 300; ++id)
        graph.slotRemoveCurves(id);
    graph.displayMEASToggled(true);
    QCOMPARE(graph.visibleLineCount(), 300);
    QCOMPARE(dynamic_cast<const CurveLine*>(graph.itemList(QwtPlotItem::Rtti_PlotCurve).last())->pen().style(),
             Qt::DashLine);
    QCOMPARE(visibleMarkers(), 300);
}

// The measured lines run from 8 A at 0 V to 0 A at 200 V: in every column between, red ink,
// whether the whole line is shown or a zoom cuts it at the canvas' edges.
// Measured points (0 V, 8 A), (100 V, 7 A), (200 V, 0 A): the maximum power point is at 100 V;
// near Voc is 95 % of 200 V = 190 V, where the line carries 7 × 10/100 = 0.7 A; near Isc is
// 10 % of Voc = 20 V, where it carries 8 − 0.2 = 7.8 A.
void CurvePlotTest::findingsSitWhereTheyWereFound()
{
    const QVector<QPointF> measured{{0, 8}, {100, 7}, {200, 0}};
    DiagnosisFinding finding;
    finding.kind = DiagnosisFinding::Kind::Step;
    finding.voltage = 150.0;
    QCOMPARE(CurveFindingMarkers::position(finding, measured), QPointF(150.0, 3.5));
    for (DiagnosisFinding::Kind kind : {DiagnosisFinding::Kind::LowPerformance, DiagnosisFinding::Kind::LowStcRatio,
                                        DiagnosisFinding::Kind::Outlier}) {
        finding.kind = kind;
        QCOMPARE(CurveFindingMarkers::position(finding, measured), QPointF(100.0, 7.0));
    }
    finding.kind = DiagnosisFinding::Kind::HighSeriesResistance;
    const QPointF nearVoc = CurveFindingMarkers::position(finding, measured);
    QCOMPARE(nearVoc.x(), 190.0);
    QVERIFY(qAbs(nearVoc.y() - 0.7) < 1e-12);
    finding.kind = DiagnosisFinding::Kind::LowShuntResistance;
    QCOMPARE(CurveFindingMarkers::position(finding, measured), QPointF(20.0, 7.8));
}

void CurvePlotTest::findingMarksFollowTheMeasuredLine()
{
    DiagnosedSource source;
    CurveGraph graph(source);
    graph.resize(800, 600);
    graph.slotInsertCurves(1);
    graph.slotInsertCurves(2);
    // The measured lines are off at first, and with them their findings.
    QVERIFY(findingMarks(graph).isEmpty());

    graph.displayMEASToggled(true);
    QCOMPARE(findingMarks(graph), (QVector<QPointF>{{50.0, 7.5}, {100.0, 7.0}}));
    graph.replot();
    QCoreApplication::processEvents();
    const auto* tips = graph.findChild<CurveFindingTips*>();
    QVERIFY(tips);
    const QPoint onStep(qRound(graph.transform(QwtPlot::xBottom, 50.0)), qRound(graph.transform(QwtPlot::yLeft, 7.5)));
    DiagnosisFinding step;
    step.kind = DiagnosisFinding::Kind::Step;
    step.voltage = 50.0;
    QCOMPARE(tips->textAt(onStep), step.text());
    QCOMPARE(tips->textAt(onStep + QPoint(40, 40)), QString());

    graph.displayIVToggled(false);
    QVERIFY(findingMarks(graph).isEmpty());
    graph.displayIVToggled(true);
    QCOMPARE(findingMarks(graph).size(), 2);
    // A diagnosis run again with other limits replaces the marks.
    graph.setStringFindings(1, {});
    QVERIFY(findingMarks(graph).isEmpty());
    graph.slotRemoveCurves(1);
    graph.slotInsertCurves(1);
    QCOMPARE(findingMarks(graph).size(), 2);
    graph.slotRemoveCurves(1);
    QVERIFY(findingMarks(graph).isEmpty());
}

// 150 strings with a measured and a converted line each are 300 lines: the limit, marks shown;
// one string more and they hide with the maximum power markers.
void CurvePlotTest::findingMarksHideWhenCrowded()
{
    DiagnosedSource source;
    CurveGraph graph(source);
    graph.displayMEASToggled(true);
    for (uint id = 1; id <= 150; ++id)
        graph.slotInsertCurves(id);
    QCoreApplication::processEvents();
    QCOMPARE(graph.visibleLineCount(), 300);
    QCOMPARE(findingMarks(graph, true).size(), 2);

    graph.slotInsertCurves(151);
    QCoreApplication::processEvents();
    QCOMPARE(findingMarks(graph).size(), 2);
    QCOMPARE(findingMarks(graph, true).size(), 0);

    graph.slotRemoveCurves(151);
    QCoreApplication::processEvents();
    QCOMPARE(findingMarks(graph, true).size(), 2);
}

void CurvePlotTest::crowdedLinesAreDrawnWithoutGaps()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.resize(600, 400);
    graph.displaySTCToggled(false);
    graph.displayMEASToggled(true);
    for (uint id = 1; id <= 301; ++id)
        graph.slotInsertCurves(id);
    QCoreApplication::processEvents();
    QCOMPARE(graph.visibleLineCount(), 301);
    for (const QRectF& zoom : {QRectF(), QRectF(50, 2, 100, 6)}) {
        if (!zoom.isNull())
            graph.zoomer()->zoom(zoom);
        graph.replot();
        const QImage picture = graph.canvas()->grab().toImage();
        const QwtScaleMap xMap = graph.canvasMap(QwtPlot::xBottom);
        const int left = qRound(xMap.transform(zoom.isNull() ? 2.0 : 55.0));
        const int right = qRound(xMap.transform(zoom.isNull() ? 198.0 : 145.0));
        QVERIFY(right - left > 100);
        for (int column = left; column <= right; ++column)
            QVERIFY2(hasRedIn(picture, column), qPrintable(QStringLiteral("column %1").arg(column)));
    }
}

// A knee of 201 points seen whole, cut at the left by a pan, and cut on every side by a zoom, one
// after the other by the same line: thin and clipped, it inks what its points joined straight ink.
void CurvePlotTest::crowdedLineCoversWhatItsPointsCover()
{
    QVector<QPointF> points;
    for (int volts = 0; volts <= 200; ++volts)
        points.append(QPointF(volts, 8.0 * (1.0 - std::pow(volts / 200.0, 12.0))));
    CurveLine line(1, CurveLineKind::MeasuredIV, QStringLiteral("1"), Qt::red, points);
    line.setCrowded(true);
    const QRectF canvas(0, 0, 400, 300);
    for (const QRectF& view : {QRectF(-10, -0.5, 220, 9), QRectF(40, -0.5, 220, 9), QRectF(150, 2, 45, 5)}) {
        QwtScaleMap xMap;
        xMap.setPaintInterval(canvas.left(), canvas.right());
        xMap.setScaleInterval(view.left(), view.right());
        QwtScaleMap yMap;
        yMap.setPaintInterval(canvas.bottom(), canvas.top());
        yMap.setScaleInterval(view.top(), view.bottom());
        QImage drawn = blankCanvas();
        QPainter onDrawn(&drawn);
        line.drawSeries(&onDrawn, xMap, yMap, canvas, 0, -1);
        onDrawn.end();
        QPolygonF joined;
        for (const QPointF& point : points)
            joined.append(QPointF(xMap.transform(point.x()), yMap.transform(point.y())));
        QImage expected = blankCanvas();
        QPainter onExpected(&expected);
        onExpected.setPen(QPen(Qt::red, 1.0));
        onExpected.drawPolyline(joined);
        onExpected.end();
        QVERIFY2(redLiesNear(drawn, expected), qPrintable(QStringLiteral("view from %1 V").arg(view.left())));
        QVERIFY2(redLiesNear(expected, drawn), qPrintable(QStringLiteral("view from %1 V").arg(view.left())));
    }
}

void CurvePlotTest::thinningLeavesOutOnlyWhatTheEyeMisses()
{
    QCOMPARE(PolylineThinning::thinned(polyline({{0, 0}, {1, 1}, {2, 2}, {10, 10}}), 0.5), polyline({{0, 0}, {10, 10}}));
    // A corner stays, the points along its two arms go.
    QCOMPARE(PolylineThinning::thinned(polyline({{0, 0}, {50, 0}, {100, 0}, {100, 50}, {100, 100}}), 0.5),
             polyline({{0, 0}, {100, 0}, {100, 100}}));
    // At the tolerance a point goes, just beyond it it stays.
    QCOMPARE(PolylineThinning::thinned(polyline({{0, 0}, {5, 0.5}, {10, 0}}), 0.5), polyline({{0, 0}, {10, 0}}));
    QCOMPARE(PolylineThinning::thinned(polyline({{0, 0}, {5, 0.51}, {10, 0}}), 0.5), polyline({{0, 0}, {5, 0.51}, {10, 0}}));
    // A spike back along the line lies on that line but far from the chord.
    QCOMPARE(PolylineThinning::thinned(polyline({{0, 0}, {10, 0}, {4, 0}}), 0.5), polyline({{0, 0}, {10, 0}, {4, 0}}));
    // A line back to its start has no chord to measure against.
    QCOMPARE(PolylineThinning::thinned(polyline({{5, 5}, {6, 5}, {5, 5}}), 0.5), polyline({{5, 5}, {6, 5}, {5, 5}}));
    QCOMPARE(PolylineThinning::thinned(polyline({{1, 2}, {3, 4}}), 0.5), polyline({{1, 2}, {3, 4}}));
    QCOMPARE(PolylineThinning::thinned(QPolygonF(), 0.5), QPolygonF());
}

void CurvePlotTest::quickThinningKeepsWhatLeavesItsStrip()
{
    const auto thinned = [](QPolygonF points) {
        PolylineThinning::thinAlongStrips(points, 0.5);
        return points;
    };
    QCOMPARE(thinned(polyline({{0, 0}, {1, 1}, {2, 2}, {10, 10}})), polyline({{0, 0}, {10, 10}}));
    QCOMPARE(thinned(polyline({{0, 0}, {50, 0}, {100, 0}, {100, 50}, {100, 100}})),
             polyline({{0, 0}, {100, 0}, {100, 100}}));
    // The strip is aimed along (1, 0) and is 0.25 wide each side: at its edge a point goes, just
    // beyond it it stays, and so does the point before it.
    QCOMPARE(thinned(polyline({{0, 0}, {1, 0}, {5, 0.25}, {10, 0}})), polyline({{0, 0}, {10, 0}}));
    QCOMPARE(thinned(polyline({{0, 0}, {1, 0}, {5, 0.26}, {10, 0}})),
             polyline({{0, 0}, {1, 0}, {5, 0.26}, {10, 0}}));
    QCOMPARE(thinned(polyline({{0, 0}, {10, 0}, {4, 0}})), polyline({{0, 0}, {10, 0}, {4, 0}}));
    // Points that never leave the first one's pixel give the strip no aim.
    QCOMPARE(thinned(polyline({{5, 5}, {5.1, 5}, {5, 5.1}, {5, 5}})), polyline({{5, 5}, {5, 5}}));
    QCOMPARE(thinned(polyline({{1, 2}, {3, 4}})), polyline({{1, 2}, {3, 4}}));
    QCOMPARE(thinned(QPolygonF()), QPolygonF());
}

void CurvePlotTest::trimmingDropsOnlyWhatStaysOnOneSideOutside()
{
    const QRectF canvas(0, 0, 100, 100);
    const auto trimmed = [&canvas](QPolygonF points) {
        PolylineThinning::trimOutside(points, canvas);
        return points;
    };
    // A run left of the canvas shrinks to its two ends, which still carry the line in and out.
    QCOMPARE(trimmed(polyline({{50, 50}, {-10, 50}, {-20, 60}, {-30, 70}, {-10, 80}, {50, 80}})),
             polyline({{50, 50}, {-10, 50}, {-10, 80}, {50, 80}}));
    // Round a corner outside the points stay: left, then below-left, then below, a shortcut from
    // the first to the last would cut through the canvas.
    QCOMPARE(trimmed(polyline({{-10, 50}, {-10, 110}, {50, 110}})), polyline({{-10, 50}, {-10, 110}, {50, 110}}));
    // On the edge counts as inside.
    QCOMPARE(trimmed(polyline({{0, 50}, {-5, 50}, {0, 60}})), polyline({{0, 50}, {-5, 50}, {0, 60}}));
    QCOMPARE(trimmed(polyline({{-1, 50}, {-5, 50}, {-1, 60}})), polyline({{-1, 50}, {-1, 60}}));
    // Wholly inside nothing changes.
    QCOMPARE(trimmed(polyline({{10, 10}, {20, 20}, {30, 10}})), polyline({{10, 10}, {20, 20}, {30, 10}}));
    QCOMPARE(trimmed(QPolygonF()), QPolygonF());
}

void CurvePlotTest::lineValuesInterpolateInsideTheirSpan()
{
    const CurveLine line(1, CurveLineKind::MeasuredIV, QStringLiteral("S"), Qt::red,
                         {{0, 8}, {100, 7}, {100, 6}, {200, 2}, {300, 0}});
    double value = 0.0;
    QVERIFY(line.valueAt(0.0, value));
    QCOMPARE(value, 8.0);
    QVERIFY(line.valueAt(50.0, value));
    QCOMPARE(value, 7.5);
    QVERIFY(line.valueAt(250.0, value));
    QCOMPARE(value, 1.0);
    QVERIFY(line.valueAt(300.0, value));
    QCOMPARE(value, 0.0);
    QVERIFY(!line.valueAt(-0.1, value));
    QVERIFY(!line.valueAt(300.1, value));

    const CurveLine power(1, CurveLineKind::StcPower, QStringLiteral("S"), Qt::red, {{0, 8}, {100, 6}});
    QCOMPARE(power.yAxis(), int(QwtPlot::yRight));
    QVERIFY(power.valueAt(100.0, value));
    QCOMPARE(value, 600.0);
    const CurveLine single(1, CurveLineKind::MeasuredIV, QStringLiteral("S"), Qt::red, {{5, 1}});
    QVERIFY(!single.valueAt(5.0, value));
}

void CurvePlotTest::trackerTextFollowsTheLineFormats()
{
    const QVector<CurveLine*> lines{
        new CurveLine(1, CurveLineKind::MeasuredIV, QStringLiteral("A<1>"), QColor(Qt::red), {{0, 8}, {100, 6}}),
        new CurveLine(1, CurveLineKind::StcPower, QStringLiteral("B"), QColor(Qt::blue), {{0, 8}, {100, 6}}),
        new CurveLine(2, CurveLineKind::NominalIV, QStringLiteral("C"), QColor(Qt::green), {{60, 5}, {90, 1}})};
    const QString text = CurveTracker::textAt(50.0, constLines(lines), noDistance, QStringLiteral(","), QLocale::c());
    QCOMPARE(text, QStringLiteral("<font color=#ff0000>A&lt;1&gt;: 50.0V, 7.0A, 350.0W</font><br>"
                                  "<font color=#0000ff>B: 50.0V<sub>STC</sub>, 300.0W<sub>STC</sub></font>"));
    const QString german = CurveTracker::textAt(75.0, constLines(lines), noDistance, QStringLiteral(";"),
                                                 QLocale(QLocale::German));
    QVERIFY2(german.endsWith(QStringLiteral("<font color=#00ff00>C: 75,0V<sub>nom</sub>; 3,0A<sub>nom</sub>; "
                                            "225,0W<sub>nom</sub></font>")),
             qPrintable(german));
    QCOMPARE(CurveTracker::textAt(150.0, constLines(lines), noDistance, QStringLiteral(","), QLocale::c()),
             QString());
    qDeleteAll(lines);

    // An expected line adds the string's performance factor, when it has one.
    CurveLine expected(3, CurveLineKind::ExpectedIV, QStringLiteral("D"), QColor(Qt::magenta), {{0, 8}, {100, 6}});
    expected.setPerformanceFactor(0.947);
    CurveLine expectedPower(3, CurveLineKind::ExpectedPower, QStringLiteral("D"), QColor(Qt::magenta),
                            {{0, 8}, {100, 6}});
    QCOMPARE(CurveTracker::textAt(50.0, {&expected, &expectedPower}, noDistance, QStringLiteral(";"),
                                  QLocale(QLocale::German)),
             QStringLiteral("<font color=#ff00ff>D: 50,0V<sub>exp</sub>; 7,0A<sub>exp</sub>; 350,0W<sub>exp</sub>; "
                            "PF 0,95</font><br>"
                            "<font color=#ff00ff>D: 50,0V<sub>exp</sub>; 300,0W<sub>exp</sub></font>"));
}

// The mouse at 0 A: the flat lines at 1, 2, ... A come nearest first.
void CurvePlotTest::trackerListsTheNearestLinesAndCountsTheRest()
{
    const auto distance = [](const CurveLine&, double value) { return value; };
    const QVector<CurveLine*> twenty = flatLines(20);
    const QStringList all =
        CurveTracker::textAt(50.0, constLines(twenty), distance, QStringLiteral(","), QLocale::c()).split("<br>");
    QCOMPARE(all.size(), 20);
    QCOMPARE(all.last(), QStringLiteral("<font color=#ff0000>20: 50.0V, 20.0A, 1000.0W</font>"));

    QVector<CurveLine*> twentyOne = flatLines(21);
    std::reverse(twentyOne.begin(), twentyOne.end());
    const QStringList listed =
        CurveTracker::textAt(50.0, constLines(twentyOne), distance, QStringLiteral(","), QLocale::c()).split("<br>");
    QCOMPARE(listed.size(), 21);
    QCOMPARE(listed.first(), QStringLiteral("<font color=#ff0000>1: 50.0V, 1.0A, 50.0W</font>"));
    QCOMPARE(listed.at(19), QStringLiteral("<font color=#ff0000>20: 50.0V, 20.0A, 1000.0W</font>"));
    QCOMPARE(listed.last(), QStringLiteral("… and 1 more"));
    qDeleteAll(twenty);
    qDeleteAll(twentyOne);
}

// The box used to be exactly as large as its text, so its frame cut into the last subscript.
void CurvePlotTest::trackerBoxLeavesRoomAroundItsText()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.displayNOMToggled(true);
    graph.slotInsertCurves(1);
    graph.resize(900, 600);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    QCoreApplication::processEvents();
    QWidget* canvas = graph.canvas();
    const QPoint at(canvas->width() / 3, canvas->height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);

    const QString text = graph.tracker()->textAt(
        QPointF(graph.invTransform(QwtPlot::xBottom, at.x()), graph.invTransform(QwtPlot::yLeft, at.y())));
    QVERIFY2(text.contains(QStringLiteral("W<sub>nom</sub></font>")), qPrintable(text));
    const QSizeF textSize = QwtText(text, QwtText::RichText).textSize(graph.tracker()->trackerFont());
    const QRect box = graph.tracker()->trackerRect(graph.tracker()->trackerFont());
    // At least two pixels each side, beyond the one of the frame.
    QVERIFY2(box.width() >= textSize.width() + 6 && box.height() >= textSize.height() + 6,
             qPrintable(QStringLiteral("%1 x %2 for %3 x %4").arg(box.width()).arg(box.height())
                            .arg(textSize.width()).arg(textSize.height())));
}

void CurvePlotTest::legendShowsTheKindsInOrder()
{
    PreparedSource source;
    CurveGraph graph(source);
    QCOMPARE(graph.typeLegend()->sampleLabels(), (QStringList{"STC", "MEAS", "NOM", "EXP"}));
    graph.updateLegend(QStringLiteral("Roof east"));
    QCOMPARE(graph.typeLegend()->title(), QStringLiteral("Roof east"));
    QCOMPARE(graph.title().text(), QStringLiteral("IV Curve"));
    QCOMPARE(graph.axisTitle(QwtPlot::yRight).text(), QStringLiteral("Power (W)"));
}

// The title names what the plot shows: strings whose lines are all switched off or missing are
// not counted.
void CurvePlotTest::legendTitleCountsTheDrawnStrings()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.displayNOMToggled(true);
    graph.displaySTCToggled(false);
    for (uint id = 1; id <= 4; ++id)
        graph.slotInsertCurves(id);
    graph.slotInsertCurves(0);
    QCoreApplication::processEvents();
    // Only the odd strings have a nominal line.
    QCOMPARE(graph.typeLegend()->title(), QStringLiteral("2 strings"));
    graph.slotRemoveCurves(3);
    QCoreApplication::processEvents();
    QCOMPARE(graph.typeLegend()->title(), QStringLiteral("String 1"));
    graph.displaySTCToggled(true);
    QCOMPARE(graph.typeLegend()->title(), QStringLiteral("3 strings"));
    graph.displayIVToggled(false);
    QCOMPARE(graph.typeLegend()->title(), QString());
}

// An exported plot is rendered at the paper's resolution: the legend, like the rest of the plot,
// comes out as large as on screen, not once more enlarged by that resolution.
void CurvePlotTest::legendOnPaperKeepsItsProportions()
{
    PreparedSource source;
    CurveGraph graph(source);
    graph.updateLegend(QStringLiteral("6 strings"));
    graph.resize(1000, 700);
    graph.replot();
    const int onScreen = legendTitleHeight(graph.grab().toImage());

    QImage paper(QSize(3508, 2480), QImage::Format_RGB32);
    paper.fill(Qt::white);
    paper.setDotsPerMeterX(qRound(300 / 0.0254));
    paper.setDotsPerMeterY(qRound(300 / 0.0254));
    QwtPlotRenderer renderer;
    renderer.renderTo(&graph, paper);
    // As tall as on screen, enlarged from the screen's resolution to the paper's.
    const qreal expected = onScreen * 300.0 / graph.logicalDpiY();
    const int onPaper = legendTitleHeight(paper);
    QVERIFY(onScreen > 0);
    QVERIFY2(qAbs(onPaper - expected) < 0.2 * expected, qPrintable(QStringLiteral("%1 px, not %2").arg(onPaper).arg(expected)));
}

VELTRANO_TEST(CurvePlotTest)
#include "CurvePlotTest.moc"
