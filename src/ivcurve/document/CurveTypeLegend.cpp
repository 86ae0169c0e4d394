#include "CurveTypeLegend.h"

#include <QPainter>
#include <QPen>

namespace IVCurve {

namespace {
const QColor ink(0x3B, 0x4A, 0x5A);
const qreal sampleLength = 36.0;
const qreal gap = 8.0;
const qreal sampleSpacing = 24.0;
const int margin = 4;
} // namespace

CurveTypeLegend::CurveTypeLegend(QWidget* parent)
    : QwtAbstractLegend(parent)
{
}

QString CurveTypeLegend::title() const
{
    return legendTitle;
}

void CurveTypeLegend::setTitle(const QString& title)
{
    legendTitle = title;
    updateGeometry();
    update();
}

void CurveTypeLegend::setCrowded(bool isCrowded)
{
    crowded = isCrowded;
    updateGeometry();
    update();
}

QString CurveTypeLegend::note() const
{
    return crowded ? tr("all lines drawn plain: point at one to see its kind", "Legend note") : QString();
}

QVector<CurveTypeLegend::Sample> CurveTypeLegend::samples() const
{
    if (crowded)
        return {};
    return {{CurveLineKind::StcIV, tr("STC", "Legend label")},
            {CurveLineKind::MeasuredIV, tr("MEAS", "Legend label")},
            {CurveLineKind::NominalIV, tr("NOM", "Legend label")},
            {CurveLineKind::ExpectedIV, tr("EXP", "Legend label")}};
}

QStringList CurveTypeLegend::sampleLabels() const
{
    QStringList labels;
    for (const Sample& sample : samples())
        labels.append(sample.label);
    return labels;
}

void CurveTypeLegend::renderLegend(QPainter* painter, const QRectF& rect, bool fillBackground) const
{
    painter->save();
    if (fillBackground)
        painter->fillRect(rect, palette().window());
    // An exported plot hands over a painter for the paper's resolution. Drawn in this widget's
    // pixels and scaled to the paper, the legend keeps its proportions to the rest of the plot.
    const qreal scale = qreal(painter->device()->logicalDpiY()) / logicalDpiY() / painter->transform().m22();
    painter->scale(scale, scale);
    drawContents(painter, QRectF(rect.topLeft() / scale, rect.size() / scale));
    painter->restore();
}

// A font of pixels follows the painter's scale only; one of points would also grow with the
// paper's resolution.
QFont CurveTypeLegend::screenPixelFont() const
{
    QFont face = font();
    face.setPixelSize(QFontInfo(font()).pixelSize());
    return face;
}

void CurveTypeLegend::drawContents(QPainter* painter, const QRectF& rect) const
{
    const QFont face = screenPixelFont();
    painter->setFont(face);
    painter->setRenderHint(QPainter::Antialiasing, true);
    const qreal middle = rect.center().y();
    const QFontMetricsF metrics(face, this);
    qreal left = rect.left() + margin;
    if (!legendTitle.isEmpty()) {
        painter->setPen(ink);
        QFont bold = face;
        bold.setBold(true);
        painter->setFont(bold);
        const QRectF titleRect(left, rect.top(), rect.width() / 2, rect.height());
        painter->drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, legendTitle);
        painter->setFont(face);
    }
    qreal samplesWidth = metrics.horizontalAdvance(note());
    for (const Sample& sample : samples())
        samplesWidth += sampleLength + gap + metrics.horizontalAdvance(sample.label) + sampleSpacing;
    left = qMax(left, rect.right() - margin - samplesWidth + (crowded ? 0.0 : sampleSpacing));
    for (const Sample& sample : samples())
        left = drawSample(painter, sample, left, middle);
    painter->setPen(ink);
    painter->drawText(QPointF(left, middle + (metrics.ascent() - metrics.descent()) / 2), note());
}

qreal CurveTypeLegend::drawSample(QPainter* painter, const Sample& sample, qreal left, qreal middle) const
{
    painter->setPen(QPen(ink, 2.0, penStyleOf(sample.kind)));
    painter->drawLine(QPointF(left, middle), QPointF(left + sampleLength, middle));
    const QFontMetricsF metrics(painter->font(), this);
    const qreal textLeft = left + sampleLength + gap;
    painter->setPen(ink);
    painter->drawText(QPointF(textLeft, middle + (metrics.ascent() - metrics.descent()) / 2), sample.label);
    return textLeft + metrics.horizontalAdvance(sample.label) + sampleSpacing;
}

bool CurveTypeLegend::isEmpty() const
{
    return false;
}

int CurveTypeLegend::scrollExtent(Qt::Orientation) const
{
    return 0;
}

QSize CurveTypeLegend::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(legendTitle) + metrics.horizontalAdvance(note()) + 2 * margin;
    for (const Sample& sample : samples())
        width += int(sampleLength + gap + sampleSpacing) + metrics.horizontalAdvance(sample.label);
    return QSize(width, metrics.height() + 2 * margin);
}

void CurveTypeLegend::updateLegend(const QVariant&, const QList<QwtLegendData>&)
{
}

void CurveTypeLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    renderLegend(&painter, QRectF(rect()), false);
}

} // namespace IVCurve
