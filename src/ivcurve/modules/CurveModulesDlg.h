#pragma once

#include "CurveMessageBox.h"
#include "CurveModuleRow.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTableWidget;

namespace IVCurve {

// Manages the module database: lists every module and adds, edits, copies and deletes them.
class CurveModulesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CurveModulesDlg(QWidget* parent = nullptr);

    QTableWidget* modulesTable() const;
    QPushButton* addButton() const;
    QPushButton* editButton() const;
    QPushButton* copyButton() const;
    QPushButton* deleteButton() const;

public slots:
    void clickAdd();
    void clickEdit();
    void clickCopy();
    void clickDelete();
    void dblclickModules(int row, int col);

private:
    void fill();
    void appendModule(const CurveModuleRow& module);
    void editRow(int row);
    bool confirmDeletion(const CurveModuleRow& module);
    uint moduleIdAt(int row) const;
    // Rows from the last to the first, so that removing one keeps the others' positions.
    QList<int> selectedRows() const;
    void showSelectionState();

    QTableWidget* table = nullptr;
    QPushButton* add = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* remove = nullptr;

    CurveMessageBox failureMessages {this};
};

} // namespace IVCurve
