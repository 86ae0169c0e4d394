#include "ReportTableSet.h"

#include "ReportXml.h"

using namespace ReportXml;

ReportTableSet::ReportTableSet(QGraphicsItem* parent)
    : AbstractReportItem(parent)
{
    setVisible(false);
}

QString ReportTableSet::tagName() const
{
    return QStringLiteral("tableset");
}

bool ReportTableSet::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    AbstractReportItem::fromXml(element, valuesOnly, blobs);
    readInt(element, QStringLiteral("col"), col);
    readInt(element, QStringLiteral("row"), rowIndex);
    readDouble(element, QStringLiteral("size"), extent);
    if (extent < 0.0)
        extent = 0.0;
    implicit = false;
    return true;
}

bool ReportTableSet::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    AbstractReportItem::toXml(element, valuesOnly, blobs);
    element.removeAttribute(QStringLiteral("x"));
    element.removeAttribute(QStringLiteral("y"));
    if (col >= 0)
        element.setAttribute(QStringLiteral("col"), col);
    if (rowIndex >= 0)
        element.setAttribute(QStringLiteral("row"), rowIndex);
    if (extent > 0.0)
        writeDouble(element, QStringLiteral("size"), extent);
    return true;
}
