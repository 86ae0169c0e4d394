#pragma once

#include <qwt_plot_picker.h>

#include <QLocale>
#include <QVector>

#include <functional>

class QwtPlotCanvas;

namespace IVCurve {

class CurveLine;

// Follows the mouse over the plot and lists, for the voltage under it, what the visible lines
// nearest the mouse read there. Thousands of lines would make a list nobody can read: past a
// screenful the rest are only counted.
class CurveTracker : public QwtPlotPicker
{
    Q_OBJECT

public:
    explicit CurveTracker(QWidget* canvas);

    // Lines listed at most; the others that span the voltage are counted in one more line.
    static const int mostListed = 20;
    // How far, in pixels, a line reading `value` passes from the mouse.
    using Distance = std::function<double(const CurveLine& line, double value)>;

    // One line of text per line that spans the voltage at `position` (on the left axis), nearest
    // the mouse first, joined by "<br>".
    QString textAt(const QPointF& position) const;
    static QString textAt(double voltage, const QVector<const CurveLine*>& lines, const Distance& distance,
                          const QString& listSeparator, const QLocale& locale = QLocale());

    // The text's own size with room for the frame around it.
    QRect trackerRect(const QFont& font) const override;

protected:
    QwtText trackerTextF(const QPointF& position) const override;
    void drawTracker(QPainter* painter) const override;

private:
    struct Reading {
        const CurveLine* line;
        double value;
        double distance;
    };
    QVector<const CurveLine*> visibleLines() const;
    static QString lineText(const CurveLine& line, double voltage, double value, const QString& listSeparator,
                            const QLocale& locale);
    static QString performanceText(const CurveLine& line, const QString& listSeparator, const QLocale& locale);

    // Read once: the user's locale does not change under a running plot.
    QString listSeparator;
};

} // namespace IVCurve
