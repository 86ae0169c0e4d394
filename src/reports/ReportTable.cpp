#include "ReportTable.h"

#include "ReportTableCell.h"
#include "ReportTableSet.h"
#include "ReportXml.h"

#include <QPainter>

using namespace ReportXml;

ReportTable::ReportTable(QGraphicsItem* parent)
    : AbstractReportItem(parent)
    , defaultColumn(new ReportTableSet(this))
    , defaultRow(new ReportTableSet(this))
{
    setFlag(ItemIsFocusable, true);
    setCacheMode(NoCache);
}

QString ReportTable::tagName() const
{
    return QStringLiteral("table");
}

ReportTableSet* ReportTable::rowSetting(int row) const
{
    if (row == rowSettings.size())
        return defaultRow;
    return row >= 0 && row < rowSettings.size() ? rowSettings.at(row) : nullptr;
}

ReportTableSet* ReportTable::columnSetting(int column) const
{
    if (column == columnSettings.size())
        return defaultColumn;
    return column >= 0 && column < columnSettings.size() ? columnSettings.at(column) : nullptr;
}

ReportTableCell* ReportTable::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row > maximumLines || column > maximumLines)
        return nullptr;
    return cellMap.value(cellKey(row, column));
}

bool ReportTable::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    AbstractReportItem::fromXml(element, valuesOnly, blobs);
    if (valuesOnly) {
        readCellValues(element, blobs);
        return true;
    }
    prepareGeometryChange();
    readDouble(element, QStringLiteral("width"), tableWidth);
    readDouble(element, QStringLiteral("height"), tableHeight);
    int columns = 0;
    int rows = 0;
    readInt(element, QStringLiteral("numCols"), columns);
    readInt(element, QStringLiteral("numRows"), rows);
    columnSettings.fill(nullptr, qBound(0, columns, maximumLines));
    rowSettings.fill(nullptr, qBound(0, rows, maximumLines));
    defaultColumn->setOffset(tableWidth);
    defaultRow->setOffset(tableHeight);
    readSettings(element, blobs);
    readCells(element, blobs);
    return true;
}

void ReportTable::readSettings(const QDomElement& element, const BlobList& blobs)
{
    double columnTotal = 0.0;
    double rowTotal = 0.0;
    int columnCount = 0;
    int rowCount = 0;
    const QString tag = QStringLiteral("tableset");
    for (QDomElement child = element.firstChildElement(tag); !child.isNull(); child = child.nextSiblingElement(tag)) {
        auto* setting = new ReportTableSet(this);
        setting->fromXml(child, false, blobs);
        // A setting that names no column inside the table (or, lacking a column, no row) is
        // ignored rather than stored out of bounds.
        QVector<ReportTableSet*>& target = setting->column() >= 0 ? columnSettings : rowSettings;
        const int index = setting->column() >= 0 ? setting->column() : setting->row();
        if (index < 0 || index >= target.size()) {
            delete setting;
            continue;
        }
        if (setting->column() < 0) {
            rowTotal += setting->size();
            ++rowCount;
        } else {
            columnTotal += setting->size();
            ++columnCount;
        }
        delete target.at(index);
        target[index] = setting;
    }
    sizeLines(columnSettings, defaultColumn, tableWidth, columnTotal, columnCount, true, this);
    sizeLines(rowSettings, defaultRow, tableHeight, rowTotal, rowCount, false, this);
}

// Gives every column (or row) a setting and an offset; those without an explicit size share
// what is left of the total.
void ReportTable::sizeLines(QVector<ReportTableSet*>& settings, ReportTableSet* defaultSetting, double total,
                            double explicitTotal, int explicitCount, bool columns, QGraphicsItem* table)
{
    const int shared = settings.size() - explicitCount;
    // When every line has an explicit setting a size of 0 cannot share anything: it stays 0.
    const double defaultSize = shared > 0 ? (total - explicitTotal) / shared : 0.0;
    double offset = 0.0;
    for (int i = 0; i < settings.size(); ++i) {
        ReportTableSet*& setting = settings[i];
        if (!setting) {
            setting = new ReportTableSet(table);
            columns ? setting->setColumn(i) : setting->setRow(i);
        }
        if (setting->size() <= 0.0)
            setting->setSize(defaultSize);
        setting->setOffset(offset);
        offset += setting->size();
    }
    defaultSetting->setSize(defaultSize);
}

void ReportTable::readCells(const QDomElement& element, const BlobList& blobs)
{
    const int rows = rowCount();
    const int columns = columnCount();
    QVector<bool> occupied(rows * columns, false);
    const QString tag = QStringLiteral("cell");
    for (QDomElement child = element.firstChildElement(tag); !child.isNull(); child = child.nextSiblingElement(tag)) {
        auto* cell = new ReportTableCell(this);
        cell->fromXml(child, false, blobs);
        if (!cell->clipTo(rows, columns)) {
            delete cell;
            continue;
        }
        const quint32 key = cellKey(cell->row(), cell->column());
        delete cellMap.value(key);
        cellMap.insert(key, cell);
        connect(cell, &AbstractReportItem::modified, this, &AbstractReportItem::modified);
        for (int r = cell->row(); r < cell->row() + cell->rowSpan(); ++r)
            for (int c = cell->column(); c < cell->column() + cell->columnSpan(); ++c)
                occupied[r * columns + c] = true;
    }
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            if (occupied.at(r * columns + c))
                continue;
            ReportTableCell* cell = ReportTableCell::createImplicit(this, r, c);
            cellMap.insert(cellKey(r, c), cell);
            connect(cell, &AbstractReportItem::modified, this, &AbstractReportItem::modified);
        }
    }
    for (ReportTableCell* cell : qAsConst(cellMap))
        layoutCell(cell);
}

void ReportTable::layoutCell(ReportTableCell* cell)
{
    const double left = columnSetting(cell->column())->offset();
    const double top = rowSetting(cell->row())->offset();
    const double right = columnSetting(cell->column() + cell->columnSpan())->offset();
    const double bottom = rowSetting(cell->row() + cell->rowSpan())->offset();
    cell->setFrame(QRectF(left, top, right - left, bottom - top));
}

void ReportTable::readCellValues(const QDomElement& element, const BlobList& blobs)
{
    const QString tag = QStringLiteral("cell");
    for (QDomElement child = element.firstChildElement(tag); !child.isNull(); child = child.nextSiblingElement(tag)) {
        int row = -1;
        int column = -1;
        readInt(child, QStringLiteral("row"), row);
        readInt(child, QStringLiteral("col"), column);
        if (ReportTableCell* cell = cellAt(row, column))
            cell->fromXml(child, true, blobs);
    }
}

bool ReportTable::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    if (valuesOnly && id().isEmpty())
        return false;
    AbstractReportItem::toXml(element, valuesOnly, blobs);
    if (!valuesOnly) {
        writeDouble(element, QStringLiteral("width"), tableWidth);
        writeDouble(element, QStringLiteral("height"), tableHeight);
        element.setAttribute(QStringLiteral("numCols"), columnCount());
        element.setAttribute(QStringLiteral("numRows"), rowCount());
        for (const QVector<ReportTableSet*>* settings : {&columnSettings, &rowSettings}) {
            for (ReportTableSet* setting : *settings) {
                if (setting->isImplicit())
                    continue;
                QDomElement child = element.ownerDocument().createElement(setting->tagName());
                setting->toXml(child, false, blobs);
                element.appendChild(child);
            }
        }
    }
    for (ReportTableCell* cell : qAsConst(cellMap)) {
        QDomElement child = element.ownerDocument().createElement(cell->tagName());
        if (cell->toXml(child, valuesOnly, blobs))
            element.appendChild(child);
    }
    return true;
}

bool ReportTable::moveFrom(ReportTableCell* cell, int dx, int dy)
{
    const int row = cell->row() + dy;
    if (row < 0 || row >= rowCount())
        return false;
    ReportTableCell* target = cellAt(row, cell->column() + dx);
    if (!target)
        return false;
    focusCell(target, Qt::OtherFocusReason);
    return true;
}

void ReportTable::focusCell(ReportTableCell* cell, Qt::FocusReason reason)
{
    current = cell;
    cell->setFocus(reason);
}

bool ReportTable::isNavigable() const
{
    return nextEditableCell(nullptr, true) != nullptr;
}

ReportTableCell* ReportTable::nextEditableCell(ReportTableCell* cell, bool forward) const
{
    const QList<ReportTableCell*> ordered = cellMap.values();
    int index = cell ? ordered.indexOf(cell) : (forward ? -1 : ordered.size());
    for (index += forward ? 1 : -1; index >= 0 && index < ordered.size(); index += forward ? 1 : -1)
        if (ordered.at(index)->isEditable())
            return ordered.at(index);
    return nullptr;
}

QRectF ReportTable::boundingRect() const
{
    return QRectF(-1.0, -1.0, tableWidth + 2.0, tableHeight + 2.0);
}

void ReportTable::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(-0.5, -0.5, tableWidth + 1.0, tableHeight + 1.0));
    painter->restore();
}
