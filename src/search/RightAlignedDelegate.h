#pragma once

#include <QStyledItemDelegate>

// Paints its column right-aligned, so that numbers line up on their last digit.
class RightAlignedDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
