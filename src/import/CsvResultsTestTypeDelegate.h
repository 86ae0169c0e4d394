#pragma once

#include <QItemDelegate>

// Shows the test type column of the results table by name, and lets the user say which pole an
// insulation result was measured on.
class CsvResultsTestTypeDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    using QItemDelegate::QItemDelegate;

    static QString testTypeName(uint code);
    // Only insulation results can be changed, and only between their two poles.
    static bool hasEditor(uint code);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    static uint codeAt(const QModelIndex& index);
    QStyleOptionViewItem nameOption(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};
