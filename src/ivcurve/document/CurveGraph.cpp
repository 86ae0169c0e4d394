#include "CurveGraph.h"

#include "CurveFindingTips.h"
#include "CurveLine.h"
#include "CurvePanner.h"
#include "CurvePlotOutput.h"
#include "CurveSource.h"
#include "CurveStringLines.h"
#include "CurveTracker.h"
#include "CurveTypeLegend.h"
#include "CurveZoomer.h"
#include "Prompts.h"
#include "ExportFileChooser.h"
#include "SettingsKeys.h"
#include "WaitCursor.h"

#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>

#include <QPen>
#include <QPrinter>

namespace IVCurve {

namespace {
const QColor majorGridColour(0xB8, 0xC2, 0xCC);
const QColor minorGridColour(0xE1, 0xE6, 0xEB);
// Beyond this many lines smoothing and a wide pen cost far more than they show.
const int crowdedLineCount = 300;
} // namespace

CurveGraph::CurveGraph(CurveSource& source, QWidget* parent)
    : QwtPlot(parent)
    , source(source)
    , grid(new QwtPlotGrid)
    , legendWidget(new CurveTypeLegend)
{
    buildLayout();
    curveZoomer = new CurveZoomer(canvas());
    panner = new CurvePanner(canvas());
    curveTracker = new CurveTracker(canvas());
    new CurveFindingTips(this);
}

// The lines go before the plot empties its item list: each owns its marker, which the plot
// would otherwise delete as one of its own items. They go in the order they came, so each is
// found first where the plot looks for it.
CurveGraph::~CurveGraph()
{
    for (uint stringId : qAsConst(strings))
        qDeleteAll(lines.take(stringId));
    for (const QVector<CurveLine*>& stringLines : qAsConst(lines))
        qDeleteAll(stringLines);
}

void CurveGraph::buildLayout()
{
    setAutoReplot(false);
    setCanvasBackground(Qt::white);
    plotLayout()->setAlignCanvasToScales(true);
    setTitle(tr("IV Curve", "Graph title"));
    setAxisTitle(QwtPlot::xBottom, tr("Voltage (V)", "Graph axis title"));
    setAxisTitle(QwtPlot::yLeft, tr("Current (A)", "Graph axis title"));
    setAxisTitle(QwtPlot::yRight, tr("Power (W)", "Graph axis title"));
    enableAxis(QwtPlot::yRight, true);
    grid->enableXMin(true);
    grid->enableYMin(true);
    grid->setMajorPen(majorGridColour, 1.0, Qt::SolidLine);
    grid->setMinorPen(minorGridColour, 1.0, Qt::DotLine);
    grid->attach(this);
    insertLegend(legendWidget, QwtPlot::BottomLegend);
}

bool CurveGraph::isShown(CurveLineKind kind) const
{
    const bool familyOn = isPowerLine(kind) ? switches[PWR] : switches[IV];
    switch (ivKindOf(kind)) {
    case CurveLineKind::MeasuredIV:
        return familyOn && switches[MEAS];
    case CurveLineKind::StcIV:
        return familyOn && switches[STC];
    case CurveLineKind::ExpectedIV:
        return familyOn && switches[EXP];
    default:
        return familyOn && switches[NOM];
    }
}

int CurveGraph::lineCount(CurveLineKind kind) const
{
    int count = 0;
    for (const QVector<CurveLine*>& stringLines : lines) {
        for (const CurveLine* line : stringLines)
            count += line->kind() == kind ? 1 : 0;
    }
    return count;
}

int CurveGraph::visibleLineCount() const
{
    int count = 0;
    for (const QVector<CurveLine*>& stringLines : lines)
        count += stringLines.size();
    return count;
}

QVector<uint> CurveGraph::shownStrings() const
{
    return strings;
}

void CurveGraph::setStringColour(uint stringId, const QColor& colour)
{
    for (CurveLine* line : lines.value(stringId))
        line->setColour(colour);
    replot();
}

CurveTracker* CurveGraph::tracker() const
{
    return curveTracker;
}

CurveTypeLegend* CurveGraph::typeLegend() const
{
    return legendWidget;
}

CurveZoomer* CurveGraph::zoomer() const
{
    return curveZoomer;
}

void CurveGraph::slotInsertCurves(uint StringID)
{
    if (!strings.contains(StringID))
        strings.append(StringID);
    addMissingLines(StringID);
    fitWhenIdle();
}

void CurveGraph::slotRemoveCurves(uint StringID)
{
    strings.removeAll(StringID);
    qDeleteAll(lines.take(StringID));
    fitWhenIdle();
}

void CurveGraph::fitWhenIdle()
{
    if (fitPending)
        return;
    fitPending = true;
    QMetaObject::invokeMethod(this, &CurveGraph::fitIfPending, Qt::QueuedConnection);
}

void CurveGraph::fitIfPending()
{
    if (fitPending)
        fitToCurves();
}

// A zoom kept its axes fixed; a zoom base taken from them would leave no way back to the whole
// of the lines now shown.
void CurveGraph::fitToCurves()
{
    fitPending = false;
    retitle();
    updateCrowding();
    for (int axis : {QwtPlot::xBottom, QwtPlot::yLeft, QwtPlot::yRight})
        setAxisAutoScale(axis, true);
    replot();
    curveZoomer->setZoomBase(false);
}

void CurveGraph::retitle()
{
    QString onlyTitle;
    int drawn = 0;
    for (uint stringId : qAsConst(strings)) {
        const QVector<CurveLine*> stringLines = lines.value(stringId);
        if (stringLines.isEmpty())
            continue;
        ++drawn;
        onlyTitle = stringLines.first()->title().text();
    }
    updateLegend(drawn == 1 ? onlyTitle : drawn == 0 ? QString() : tr("%n strings", "Graph legend title", drawn));
}

void CurveGraph::updateCrowding()
{
    const bool nowCrowded = visibleLineCount() > crowdedLineCount;
    if (nowCrowded == crowded)
        return;
    crowded = nowCrowded;
    legendWidget->setCrowded(crowded);
    for (const QVector<CurveLine*>& stringLines : qAsConst(lines)) {
        for (CurveLine* line : stringLines)
            line->setCrowded(crowded);
    }
}

void CurveGraph::addMissingLines(uint stringId)
{
    CurveStringLines stringLines;
    if (!source.stringLines(stringId, stringLines))
        return;
    for (int kind = 0; kind < curveLineKindCount; ++kind) {
        if (isShown(CurveLineKind(kind)))
            showLine(stringId, CurveLineKind(kind), stringLines);
    }
}

void CurveGraph::showLine(uint stringId, CurveLineKind kind, const CurveStringLines& stringLines)
{
    QVector<CurveLine*>& shown = lines[stringId];
    for (const CurveLine* line : qAsConst(shown)) {
        if (line->kind() == kind)
            return;
    }
    const QVector<QPointF>& points = pointsOf(kind, stringLines);
    if (points.isEmpty())
        return;
    auto* line = new CurveLine(stringId, kind, stringLines.title, stringLines.colour, points);
    line->setCrowded(crowded);
    if (ivKindOf(kind) == CurveLineKind::ExpectedIV)
        line->setPerformanceFactor(stringLines.performanceFactor);
    if (kind == CurveLineKind::MeasuredIV)
        line->setFindings(stringLines.findings);
    line->showOn(this);
    shown.append(line);
    // Crowded as soon as there are too many lines, not only when the plot is next fitted: a line
    // added to an uncrowded plot brings its marker, which a crowded plot would take off again.
    if (!crowded)
        updateCrowding();
}

// New limits reach every diagnosed string at once: the canvas is redrawn once, when next idle,
// rather than once a string.
void CurveGraph::setStringFindings(uint stringId, const QVector<DiagnosisFinding>& findings)
{
    for (CurveLine* line : lines.value(stringId)) {
        if (line->kind() != CurveLineKind::MeasuredIV)
            continue;
        line->setFindings(findings);
        if (auto* plotCanvas = qobject_cast<QwtPlotCanvas*>(canvas()))
            plotCanvas->invalidateBackingStore();
        canvas()->update();
    }
}

const QVector<QPointF>& CurveGraph::pointsOf(CurveLineKind kind, const CurveStringLines& stringLines)
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::MeasuredIV:
        return stringLines.measured;
    case CurveLineKind::StcIV:
        return stringLines.stc;
    case CurveLineKind::ExpectedIV:
        return stringLines.expected;
    default:
        return stringLines.nominal;
    }
}

void CurveGraph::removeHiddenLines()
{
    for (QVector<CurveLine*>& stringLines : lines) {
        for (int i = stringLines.size() - 1; i >= 0; --i) {
            if (!isShown(stringLines.at(i)->kind()))
                delete stringLines.takeAt(i);
        }
    }
}

void CurveGraph::toggle(Switch which, bool on)
{
    const WaitCursor waiting;
    switches[which] = on;
    if (on) {
        for (uint stringId : qAsConst(strings))
            addMissingLines(stringId);
    } else {
        removeHiddenLines();
    }
    enableAxis(QwtPlot::yLeft, switches[IV]);
    fitToCurves();
}

void CurveGraph::displayIVToggled(bool on)
{
    toggle(IV, on);
}

void CurveGraph::displayMEASToggled(bool on)
{
    toggle(MEAS, on);
}

void CurveGraph::displayPWRToggled(bool on)
{
    toggle(PWR, on);
}

void CurveGraph::displaySTCToggled(bool on)
{
    toggle(STC, on);
}

void CurveGraph::displayNOMToggled(bool on)
{
    toggle(NOM, on);
}

void CurveGraph::displayEXPToggled(bool on)
{
    toggle(EXP, on);
}

void CurveGraph::updateLegend(QString newTitle)
{
    legendWidget->setTitle(newTitle);
    updateLayout();
}

QString CurveGraph::exportName() const
{
    const QString name = legendWidget->title();
    return name.isEmpty() ? tr("IV Curve", "Graph title") : name;
}

void CurveGraph::print()
{
    QPrinter printer(QPrinter::HighResolution);
    CurvePlotOutput::preparePrinter(printer);
    if (Prompts::instance().setUpPrinter(this, printer))
        CurvePlotOutput::renderToPrinter(this, printer);
}

void CurveGraph::exportpdf()
{
    exportTo(tr("Export PDF", "File Save Dialog"), tr("PDF Files (*.pdf)", "File Save Dialog"),
             SettingsKeys::lastPdfExportDir, QStringLiteral("pdf"));
}

void CurveGraph::exportimg()
{
    exportTo(tr("Save Image", "File Save Dialog"), tr("Images (*.bmp *.jpeg *.png)", "File Save Dialog"),
             SettingsKeys::lastExportDir, QStringLiteral("png"));
}

void CurveGraph::exportTo(const QString& caption, const QString& filter, const QString& folderKey,
                          const QString& suffix)
{
    const ExportFileChooser chooser(folderKey, suffix);
    const QString path = chooser.choose(this, caption, filter, exportName() + QLatin1Char('.') + suffix);
    if (path.isEmpty())
        return;
    Prompts::instance().report(this, QMessageBox::Critical, CurvePlotOutput::renderToFile(this, path));
}

} // namespace IVCurve
