#include "ReportSvg.h"

#include "ReportScene.h"
#include "ReportXml.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsSvgItem>
#include <QSvgRenderer>

ReportSvg::ReportSvg(QGraphicsItem* parent)
    : AbstractReportItem(parent)
{
}

QString ReportSvg::tagName() const
{
    return QStringLiteral("svg");
}

bool ReportSvg::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    AbstractReportItem::fromXml(element, valuesOnly, blobs);
    if (valuesOnly)
        return true;
    file = element.attribute(QStringLiteral("file"));
    ReportXml::readInt(element, QStringLiteral("dpi"), dotsPerInch);
    if (dotsPerInch <= 0)
        dotsPerInch = 96;
    delete drawingItem;
    drawingItem = makeDrawing(file);
    drawingItem->setCacheMode(NoCache);
    setScale(dotsPerInch == 96 ? 1.0 : 96.0 / dotsPerInch);
    return true;
}

// Texts become text items over the drawing, so that printers and PDF files get them as text.
QGraphicsSvgItem* ReportSvg::makeDrawing(const QString& path)
{
    QFile source(path);
    QByteArray shapes;
    QVector<SvgTextRun> runs;
    if (!source.open(QIODevice::ReadOnly) || !SvgTextRuns::split(source.readAll(), shapes, runs))
        return new QGraphicsSvgItem(path, this);
    auto* drawing = new QGraphicsSvgItem(this);
    drawing->setSharedRenderer(new QSvgRenderer(shapes, drawing));
    for (const SvgTextRun& run : runs)
        addText(drawing, run);
    return drawing;
}

void ReportSvg::addText(QGraphicsSvgItem* drawing, const SvgTextRun& run)
{
    QFont font(run.family);
    // The drawing's units are the scene's, pixels at 96 DPI; the screen's own DPI is corrected
    // as for every text of a report.
    font.setPointSizeF(run.size * 72.0 / ReportScene::screenDpiY());
    font.setBold(run.bold);
    font.setItalic(run.italic);
    auto* text = new QGraphicsSimpleTextItem(run.text, drawing);
    text->setFont(font);
    text->setBrush(run.colour);
    text->setPen(Qt::NoPen);
    const QFontMetricsF metrics(font);
    text->setPos(SvgTextRuns::start(run, metrics.horizontalAdvance(run.text)) - QPointF(0.0, metrics.ascent()));
}

bool ReportSvg::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    AbstractReportItem::toXml(element, valuesOnly, blobs);
    if (!valuesOnly) {
        element.setAttribute(QStringLiteral("file"), file);
        element.setAttribute(QStringLiteral("dpi"), dotsPerInch);
    }
    return true;
}
