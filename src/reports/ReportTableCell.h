#pragma once

#include "ReportText.h"

class ReportTable;

// One cell of a report table. Its style comes from its row's setting, else its column's, else
// the table; it may span several rows and columns.
class ReportTableCell : public ReportText
{
    Q_OBJECT

public:
    enum { Type = TableCellType };

    explicit ReportTableCell(ReportTable* table);

    int type() const override { return Type; }
    QString tagName() const override;
    bool isNavigable() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;
    AbstractReportItem* parentReportItem() const override;

    int column() const { return col; }
    int row() const { return rowIndex; }
    int columnSpan() const { return colSpan; }
    int rowSpan() const { return rowsSpanned; }
    bool isImplicit() const { return implicit; }
    // Keeps position and spans inside a grid of `rows` x `columns`; false when the cell lies
    // wholly outside it.
    bool clipTo(int rows, int columns);
    void setFrame(const QRectF& frame);
    QRectF frame() const { return cellFrame; }
    ReportTable* table() const { return owner; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // An empty cell the table creates to fill a free grid position.
    static ReportTableCell* createImplicit(ReportTable* table, int row, int column);

public slots:
    void requestMove(int dx, int dy);

protected:
    // A focused cell that is not being edited (a caption) still passes the arrow keys on.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ReportTable* owner;
    int col = -1;
    int rowIndex = -1;
    int colSpan = 1;
    int rowsSpanned = 1;
    bool implicit = false;
    QRectF cellFrame;
};
