#pragma once

#include "AbstractReportItem.h"

#include <QMap>
#include <QVector>

class ReportTableCell;
class ReportTableSet;

// A grid of text cells with optional row heights and column widths. Columns and rows without
// an explicit size share what the explicit ones leave of the table's width and height.
class ReportTable : public AbstractReportItem
{
    Q_OBJECT

public:
    enum { Type = TableType };
    // Row and column each take 16 bits of a cell's map key.
    static constexpr int maximumLines = 0xFFFF;

    explicit ReportTable(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    // A table takes part in Tab navigation through its editable cells.
    bool isNavigable() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    static quint32 cellKey(int row, int column) { return (quint32(row) << 16) | (quint32(column) & 0xFFFFu); }

    int rowCount() const { return rowSettings.size(); }
    int columnCount() const { return columnSettings.size(); }
    QSizeF size() const { return QSizeF(tableWidth, tableHeight); }
    // The setting of a row or column; one past the last yields the default setting, whose offset
    // is the table's height or width. nullptr outside that range.
    ReportTableSet* rowSetting(int row) const;
    ReportTableSet* columnSetting(int column) const;
    // The cell whose map key is exactly (row, column), or nullptr.
    ReportTableCell* cellAt(int row, int column) const;
    QList<ReportTableCell*> cells() const { return cellMap.values(); }
    ReportTableCell* currentCell() const { return current; }

    // Moves keyboard focus from `cell` by (dx, dy) when a cell starts exactly there.
    bool moveFrom(ReportTableCell* cell, int dx, int dy);
    // The editable cell after (or before) `cell` in reading order, row by row; from nullptr the
    // first (or last) one. nullptr past the end.
    ReportTableCell* nextEditableCell(ReportTableCell* cell, bool forward) const;
    void focusCell(ReportTableCell* cell, Qt::FocusReason reason);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void readSettings(const QDomElement& element, const BlobList& blobs);
    void readCells(const QDomElement& element, const BlobList& blobs);
    void readCellValues(const QDomElement& element, const BlobList& blobs);
    static void sizeLines(QVector<ReportTableSet*>& settings, ReportTableSet* defaultSetting, double total,
                          double explicitTotal, int explicitCount, bool columns, QGraphicsItem* table);
    void layoutCell(ReportTableCell* cell);

    double tableWidth = 0.0;
    double tableHeight = 0.0;
    QVector<ReportTableSet*> columnSettings;
    QVector<ReportTableSet*> rowSettings;
    ReportTableSet* defaultColumn;
    ReportTableSet* defaultRow;
    QMap<quint32, ReportTableCell*> cellMap;
    ReportTableCell* current = nullptr;
};
