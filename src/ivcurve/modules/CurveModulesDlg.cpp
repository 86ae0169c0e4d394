#include "CurveModulesDlg.h"

#include "CurveMessageBox.h"
#include "CurveModuleDatabase.h"
#include "CurveModulesEditDlg.h"
#include "ResourceIcons.h"
#include "WaitCursor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace IVCurve {

CurveModulesDlg::CurveModulesDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("PV Modules", "Window Title"));
    auto* heading = new QLabel(tr("PV Module Database", "Window Title"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    table = new QTableWidget(0, 1, this);
    table->setHorizontalHeaderLabels({tr("Description", "User prompt")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setWordWrap(false);
    connect(table, &QTableWidget::cellDoubleClicked, this, &CurveModulesDlg::dblclickModules);
    connect(table, &QTableWidget::itemSelectionChanged, this, &CurveModulesDlg::showSelectionState);

    add = new QPushButton(ResourceIcons::get(QStringLiteral(":res/toolButtons/plus_sign.png")),
                          tr("Add", "Menu option"), this);
    edit = new QPushButton(tr("Edit", "Menu option"), this);
    copy = new QPushButton(tr("Copy", "Menu option"), this);
    remove = new QPushButton(tr("Delete", "Menu option"), this);
    auto* close = new QPushButton(tr("Close", "Menu option"), this);
    connect(add, &QPushButton::clicked, this, &CurveModulesDlg::clickAdd);
    connect(edit, &QPushButton::clicked, this, &CurveModulesDlg::clickEdit);
    connect(copy, &QPushButton::clicked, this, &CurveModulesDlg::clickCopy);
    connect(remove, &QPushButton::clicked, this, &CurveModulesDlg::clickDelete);
    connect(close, &QPushButton::clicked, this, &CurveModulesDlg::accept);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, edit, copy, remove})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* body = new QHBoxLayout;
    body->addWidget(table, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body);
    resize(560, 480);
    fill();
}

QTableWidget* CurveModulesDlg::modulesTable() const
{
    return table;
}

QPushButton* CurveModulesDlg::addButton() const
{
    return add;
}

QPushButton* CurveModulesDlg::editButton() const
{
    return edit;
}

QPushButton* CurveModulesDlg::copyButton() const
{
    return copy;
}

QPushButton* CurveModulesDlg::deleteButton() const
{
    return remove;
}

void CurveModulesDlg::fill()
{
    WaitCursor wait;
    CurveModuleDatabase modules(&failureMessages);
    const bool available = modules.isAvailable();
    if (available) {
        for (const CurveModuleRow& module : modules.allModules())
            appendModule(module);
    }
    add->setEnabled(available);
    showSelectionState();
}

void CurveModulesDlg::appendModule(const CurveModuleRow& module)
{
    auto* item = new QTableWidgetItem(module.description);
    item->setData(Qt::UserRole, module.id);
    item->setToolTip(module.description);
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, item);
}

uint CurveModulesDlg::moduleIdAt(int row) const
{
    const QTableWidgetItem* item = table->item(row, 0);
    return item ? item->data(Qt::UserRole).toUInt() : 0;
}

QList<int> CurveModulesDlg::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    return rows;
}

void CurveModulesDlg::showSelectionState()
{
    const bool selected = table->selectionModel()->hasSelection();
    for (QPushButton* button : {edit, copy, remove})
        button->setEnabled(selected);
}

void CurveModulesDlg::clickAdd()
{
    CurveModulesEditDlg editor(this);
    if (editor.exec() != QDialog::Accepted)
        return;
    appendModule(editor.module());
    table->selectRow(table->rowCount() - 1);
}

void CurveModulesDlg::clickEdit()
{
    const int row = table->currentRow();
    if (row >= 0 && table->item(row, 0)->isSelected())
        editRow(row);
}

void CurveModulesDlg::dblclickModules(int row, int /*col*/)
{
    editRow(row);
}

void CurveModulesDlg::editRow(int row)
{
    CurveModuleRow module;
    if (!CurveModuleDatabase(&failureMessages).moduleById(moduleIdAt(row), module))
        return;
    CurveModulesEditDlg editor(module, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    table->item(row, 0)->setText(editor.module().description);
    table->item(row, 0)->setToolTip(editor.module().description);
}

void CurveModulesDlg::clickCopy()
{
    CurveModuleDatabase modules(&failureMessages);
    const QList<int> rows = selectedRows();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        CurveModuleRow module;
        if (!modules.moduleById(moduleIdAt(*row), module))
            return;
        module.description += tr(" (Copy)", "User prompt");
        module.userModule = true;
        if (!modules.insert(module))
            return;
        appendModule(module);
    }
}

void CurveModulesDlg::clickDelete()
{
    CurveModuleDatabase modules(&failureMessages);
    for (int row : selectedRows()) {
        CurveModuleRow module;
        if (!modules.moduleById(moduleIdAt(row), module))
            return;
        if (!confirmDeletion(module))
            continue;
        if (!modules.remove(module.id))
            return;
        table->removeRow(row);
    }
}

bool CurveModulesDlg::confirmDeletion(const CurveModuleRow& module)
{
    if (module.userModule)
        return true;
    const QString text =
        tr("Deleting a preloaded module.\n%1\nDo you wish to continue?", "Warning Message").arg(module.description);
    return CurveMessageBox::show(this, QMessageBox::Information, text, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

} // namespace IVCurve
