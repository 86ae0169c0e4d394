#pragma once

#include "AbstractReportItem.h"

// A row's height or a column's width ("tableset" element), whose style attributes pass down to
// the cells of that row or column. Never shown.
class ReportTableSet : public AbstractReportItem
{
    Q_OBJECT

public:
    enum { Type = TableSetType };

    explicit ReportTableSet(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    int column() const { return col; }
    int row() const { return rowIndex; }
    void setColumn(int column) { col = column; }
    void setRow(int row) { rowIndex = row; }
    double size() const { return extent; }
    void setSize(double size) { extent = size; }
    double offset() const { return start; }
    void setOffset(double offset) { start = offset; }
    bool isImplicit() const { return implicit; }
    void setImplicit(bool on) { implicit = on; }

private:
    int col = -1;
    int rowIndex = -1;
    double extent = 0.0;
    double start = 0.0;
    bool implicit = true;
};
