#pragma once

#include "CurveLineKind.h"
#include "DiagnosisFinding.h"

#include <qwt_plot.h>

#include <QHash>
#include <QVector>

class QwtPlotGrid;

namespace IVCurve {

class CurveLine;
class CurveSource;
class CurvePanner;
class CurveTracker;
class CurveTypeLegend;
class CurveZoomer;
struct CurveStringLines;

// The plot of a curve document: for every selected string the lines of the kinds that are
// switched on. A line shows when its family (IV or PWR) and its kind (MEAS, STC, NOM or EXP) are
// both on. Strings come and go one by one as the tree's selection changes; the plot fits its
// axes and replots once after all of them, when the program is next idle.
class CurveGraph : public QwtPlot
{
    Q_OBJECT

public:
    explicit CurveGraph(CurveSource& source, QWidget* parent = nullptr);
    ~CurveGraph() override;

    bool isShown(CurveLineKind kind) const;
    // Lines attached to the plot, of one kind or in all.
    int lineCount(CurveLineKind kind) const;
    int visibleLineCount() const;
    QVector<uint> shownStrings() const;
    void setStringColour(uint stringId, const QColor& colour);

    CurveTracker* tracker() const;
    CurveTypeLegend* typeLegend() const;
    CurveZoomer* zoomer() const;

public slots:
    void print();
    void exportpdf();
    void exportimg();
    void slotInsertCurves(uint StringID);
    void slotRemoveCurves(uint StringID);
    void displayIVToggled(bool on);
    void displayMEASToggled(bool on);
    void displayPWRToggled(bool on);
    void displaySTCToggled(bool on);
    void displayNOMToggled(bool on);
    void displayEXPToggled(bool on);
    void updateLegend(QString newTitle);
    // New marks for a string's findings, on its measured line when that is shown.
    void setStringFindings(uint stringId, const QVector<DiagnosisFinding>& findings);

private:
    enum Switch { IV, PWR, MEAS, STC, NOM, EXP, SwitchCount };

    void buildLayout();
    void toggle(Switch which, bool on);
    // Axes around all lines shown, and the zoom's way back to them; the legend names what is
    // shown, and a crowded plot draws plain lines.
    void fitToCurves();
    void fitWhenIdle();
    void fitIfPending();
    void retitle();
    // Draws every line plainly while more than a few hundred are shown.
    void updateCrowding();
    // Adds the lines of the kinds now on that the string does not have yet.
    void addMissingLines(uint stringId);
    void removeHiddenLines();
    void showLine(uint stringId, CurveLineKind kind, const CurveStringLines& lines);
    static const QVector<QPointF>& pointsOf(CurveLineKind kind, const CurveStringLines& lines);
    void exportTo(const QString& caption, const QString& filter, const QString& folderKey, const QString& suffix);
    QString exportName() const;

    CurveSource& source;
    QVector<uint> strings;
    QHash<uint, QVector<CurveLine*>> lines;
    bool switches[SwitchCount] = {true, false, false, true, false, false};
    bool fitPending = false;
    bool crowded = false;
    QwtPlotGrid* grid;
    CurveTypeLegend* legendWidget;
    CurveZoomer* curveZoomer;
    CurvePanner* panner;
    CurveTracker* curveTracker;
};

} // namespace IVCurve
