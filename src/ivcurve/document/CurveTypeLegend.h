#pragma once

#include "CurveLineKind.h"

#include <qwt_abstract_legend.h>

namespace IVCurve {

// Explains the line styles instead of listing every string: the colours already tell the
// strings apart, the styles tell converted, measured, nominal and expected lines apart. A title
// on the left names what is shown.
class CurveTypeLegend : public QwtAbstractLegend
{
    Q_OBJECT

public:
    explicit CurveTypeLegend(QWidget* parent = nullptr);

    QString title() const;
    void setTitle(const QString& title);
    // The sample labels in the order they are drawn.
    QStringList sampleLabels() const;
    // A crowded plot draws every line alike, so the legend says so instead of showing samples.
    void setCrowded(bool crowded);
    QString note() const;

    void renderLegend(QPainter* painter, const QRectF& rect, bool fillBackground) const override;
    bool isEmpty() const override;
    int scrollExtent(Qt::Orientation orientation) const override;
    QSize sizeHint() const override;

public slots:
    // The legend does not list the plot's items.
    void updateLegend(const QVariant& itemInfo, const QList<QwtLegendData>& data) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Sample {
        CurveLineKind kind;
        QString label;
    };
    QVector<Sample> samples() const;
    // Draws one sample line and its label from `left`; returns where the next one starts.
    QFont screenPixelFont() const;
    void drawContents(QPainter* painter, const QRectF& rect) const;
    qreal drawSample(QPainter* painter, const Sample& sample, qreal left, qreal middle) const;

    QString legendTitle;
    bool crowded = false;
};

} // namespace IVCurve
