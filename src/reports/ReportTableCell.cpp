#include "ReportTableCell.h"

#include "GraphicsTextItem.h"
#include "ReportTable.h"
#include "ReportTableSet.h"
#include "ReportXml.h"

#include <QKeyEvent>
#include <QPainter>

using namespace ReportXml;

ReportTableCell::ReportTableCell(ReportTable* table)
    : ReportText(table)
    , owner(table)
{
    editor()->setMultiLine(false);
    connect(editor(), &GraphicsTextItem::requestMove, this, &ReportTableCell::requestMove);
}

ReportTableCell* ReportTableCell::createImplicit(ReportTable* table, int row, int column)
{
    auto* cell = new ReportTableCell(table);
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("cell"));
    element.setAttribute(QStringLiteral("row"), row);
    element.setAttribute(QStringLiteral("col"), column);
    cell->fromXml(element, false, BlobList());
    cell->implicit = true;
    return cell;
}

QString ReportTableCell::tagName() const
{
    return QStringLiteral("cell");
}

bool ReportTableCell::isNavigable() const
{
    return isEditable();
}

AbstractReportItem* ReportTableCell::parentReportItem() const
{
    ReportTableSet* rowSetting = owner->rowSetting(rowIndex);
    if (rowSetting && !rowSetting->isImplicit())
        return rowSetting;
    ReportTableSet* columnSetting = owner->columnSetting(col);
    if (columnSetting && !columnSetting->isImplicit())
        return columnSetting;
    return owner;
}

bool ReportTableCell::clipTo(int rows, int columns)
{
    if (rowIndex < 0 || col < 0 || rowIndex >= rows || col >= columns)
        return false;
    rowsSpanned = qBound(1, rowsSpanned, rows - rowIndex);
    colSpan = qBound(1, colSpan, columns - col);
    return true;
}

bool ReportTableCell::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    if (!valuesOnly) {
        // Position first: the inherited style depends on the row and column settings.
        readInt(element, QStringLiteral("col"), col);
        readInt(element, QStringLiteral("row"), rowIndex);
        readInt(element, QStringLiteral("colspan"), colSpan);
        readInt(element, QStringLiteral("rowspan"), rowsSpanned);
        colSpan = qMax(colSpan, 1);
        rowsSpanned = qMax(rowsSpanned, 1);
    }
    if (!valuesOnly)
        return ReportText::fromXml(element, false, blobs);
    // Cells are matched by position and take their text whether or not they are editable.
    AbstractReportItem::fromXml(element, true, blobs);
    setText(element.text());
    editor()->refit();
    return true;
}

bool ReportTableCell::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    if (valuesOnly && (!isEditable() || text().isEmpty()))
        return false;
    if (!valuesOnly && implicit && text().isEmpty())
        return false;
    AbstractReportItem::toXml(element, valuesOnly, blobs);
    element.removeAttribute(QStringLiteral("x"));
    element.removeAttribute(QStringLiteral("y"));
    element.setAttribute(QStringLiteral("col"), col);
    element.setAttribute(QStringLiteral("row"), rowIndex);
    if (!valuesOnly) {
        if (colSpan > 1)
            element.setAttribute(QStringLiteral("colspan"), colSpan);
        if (rowsSpanned >= 2)
            element.setAttribute(QStringLiteral("rowspan"), rowsSpanned);
        writeDouble(element, QStringLiteral("height"), cellFrame.height());
    }
    if (!text().isEmpty())
        ReportXml::appendText(element, text());
    return true;
}

void ReportTableCell::setFrame(const QRectF& frame)
{
    prepareGeometryChange();
    cellFrame = QRectF(QPointF(0.0, 0.0), frame.size());
    setPos(frame.topLeft());
    setSize(frame.size(), 0);
}

QRectF ReportTableCell::boundingRect() const
{
    return cellFrame.adjusted(-0.5, -0.5, 0.5, 0.5);
}

void ReportTableCell::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->fillRect(cellFrame, backgroundColour());
    painter->setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cellFrame);
    if (hasFocus() || editor()->hasFocus()) {
        painter->setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawRect(cellFrame.adjusted(0.75, 0.75, -0.75, -0.75));
    }
    painter->restore();
}

void ReportTableCell::requestMove(int dx, int dy)
{
    owner->moveFrom(this, dx, dy);
}

void ReportTableCell::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        requestMove(0, 1);
        break;
    case Qt::Key_Up:
        requestMove(0, -1);
        break;
    case Qt::Key_Left:
        requestMove(-1, 0);
        break;
    case Qt::Key_Right:
        requestMove(1, 0);
        break;
    default:
        ReportText::keyPressEvent(event);
        return;
    }
    event->accept();
}
