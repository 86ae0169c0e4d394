#include "ReportSvg.h"

#include "ReportXml.h"

#include <QGraphicsSvgItem>

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
    drawingItem = new QGraphicsSvgItem(file, this);
    drawingItem->setCacheMode(NoCache);
    setScale(dotsPerInch == 96 ? 1.0 : 96.0 / dotsPerInch);
    return true;
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
