#pragma once

#include <qwt_plot_picker.h>

#include <QLocale>
#include <QVector>

class QwtPlotCanvas;

namespace IVCurve {

class CurveLine;

// Follows the mouse over the plot and lists, for the voltage under it, what every visible line
// reads there.
class CurveTracker : public QwtPlotPicker
{
    Q_OBJECT

public:
    explicit CurveTracker(QWidget* canvas);

    // One line of text per line that spans `voltage`, joined by "<br>".
    QString textAt(double voltage) const;
    static QString textAt(double voltage, const QVector<const CurveLine*>& lines, const QString& listSeparator,
                          const QLocale& locale = QLocale());

    // The text's own size with room for the frame around it.
    QRect trackerRect(const QFont& font) const override;

protected:
    QwtText trackerTextF(const QPointF& position) const override;
    void drawTracker(QPainter* painter) const override;

private:
    QVector<const CurveLine*> visibleLines() const;
    static QString lineText(const CurveLine& line, double voltage, double value, const QString& listSeparator,
                            const QLocale& locale);

    // Read once: the user's locale does not change under a running plot.
    QString listSeparator;
};

} // namespace IVCurve
