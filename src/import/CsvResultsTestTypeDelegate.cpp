#include "CsvResultsTestTypeDelegate.h"

#include "ResultsCsv.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>

namespace {
// The combo box positions of the two poles.
constexpr int PositivePosition = 0;
constexpr int NegativePosition = 1;

QStyle* styleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}
} // namespace

QString CsvResultsTestTypeDelegate::testTypeName(uint code)
{
    // "AutoTest" is the tester's name for its test sequence and stays as the tester shows it.
    switch (code) {
    case ResultsCsv::Continuity:
        return tr("Continuity", "Test type");
    case ResultsCsv::AutoTest:
        return QStringLiteral("AutoTest");
    case ResultsCsv::PositiveEarthInsulation:
        return tr("Positive-earth insulation", "Test type");
    case ResultsCsv::NegativeEarthInsulation:
        return tr("Negative-earth insulation", "Test type");
    case ResultsCsv::AutoTestAndCurve:
        return tr("AutoTest & Curve", "Test type");
    default:
        return tr("Unknown");
    }
}

bool CsvResultsTestTypeDelegate::hasEditor(uint code)
{
    return code == ResultsCsv::PositiveEarthInsulation || code == ResultsCsv::NegativeEarthInsulation;
}

uint CsvResultsTestTypeDelegate::codeAt(const QModelIndex& index)
{
    return index.data(Qt::EditRole).toString().toUInt();
}

QStyleOptionViewItem CsvResultsTestTypeDelegate::nameOption(const QStyleOptionViewItem& option,
                                                            const QModelIndex& index) const
{
    QStyleOptionViewItem named(option);
    named.index = index;
    named.text = testTypeName(codeAt(index));
    named.features |= QStyleOptionViewItem::HasDisplay;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QBrush>())
        named.palette.setBrush(QPalette::Text, foreground.value<QBrush>());
    return named;
}

void CsvResultsTestTypeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    const QStyleOptionViewItem named = nameOption(option, index);
    styleOf(option)->drawControl(QStyle::CE_ItemViewItem, &named, painter, option.widget);
}

QSize CsvResultsTestTypeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QStyleOptionViewItem named = nameOption(option, index);
    return styleOf(option)->sizeFromContents(QStyle::CT_ItemViewItem, &named, QSize(), option.widget);
}

QWidget* CsvResultsTestTypeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                                  const QModelIndex& index) const
{
    if (!hasEditor(codeAt(index)))
        return nullptr;
    auto* combo = new QComboBox(parent);
    combo->insertItem(PositivePosition, testTypeName(ResultsCsv::PositiveEarthInsulation));
    combo->insertItem(NegativePosition, testTypeName(ResultsCsv::NegativeEarthInsulation));
    // The editors stay open beside the rows, so a choice must reach the model at once, not
    // only when the editor loses focus.
    auto* self = const_cast<CsvResultsTestTypeDelegate*>(this);
    connect(combo, QOverload<int>::of(&QComboBox::activated), self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void CsvResultsTestTypeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(codeAt(index) == ResultsCsv::NegativeEarthInsulation ? NegativePosition
                                                                                    : PositivePosition);
}

void CsvResultsTestTypeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                              const QModelIndex& index) const
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo)
        return;
    const uint code = combo->currentIndex() == NegativePosition ? ResultsCsv::NegativeEarthInsulation
                                                                : ResultsCsv::PositiveEarthInsulation;
    model->setData(index, QString::number(code), Qt::EditRole);
}

void CsvResultsTestTypeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                      const QModelIndex& /*index*/) const
{
    editor->setGeometry(option.rect);
}
