#pragma once

#include "CurveMessageBox.h"
#include "CurveModuleRow.h"

#include <QDialog>
#include <QVector>

class QGridLayout;
class QLineEdit;

namespace IVCurve {

class FavouriteStarButton;

// Edits one module of the module database and stores it on OK: a new one is inserted as the
// user's own module, an existing one is updated and keeps whether it was preloaded.
class CurveModulesEditDlg : public QDialog
{
    Q_OBJECT

public:
    enum Field { Description, Isc, Voc, Imp, Vmp, Alpha, Beta, Delta, Rs, CellsInSeries, Kappa };

    // An empty dialog for a new module.
    explicit CurveModulesEditDlg(QWidget* parent = nullptr);
    // The values of an existing module.
    explicit CurveModulesEditDlg(const CurveModuleRow& existing, QWidget* parent = nullptr);

    // The module as stored by OK (with its id), or as it was opened.
    const CurveModuleRow& module() const;
    QLineEdit* field(Field which) const;
    FavouriteStarButton* favouriteButton() const;

public slots:
    void accept() override;
    void slotFavouriteToggled(bool favourite);
    void slotAlphaPercentClicked();
    void slotBetaPercentClicked();

private:
    void build();
    QLineEdit* addField(QGridLayout* layout, Field which, const QString& label, const QString& toolTip);
    void addPercentButton(QGridLayout* layout, Field which, const QString& toolTip, void (CurveModulesEditDlg::*slot)());
    void showModule();
    bool readFields(CurveModuleRow& row);
    bool readNumber(Field which, double& value);
    // The fields a data sheet may lack: empty reads as 0.
    bool readOptionalNumber(Field which, double& value);
    bool readCellsInSeries(int& cells);
    void refuseField(Field which, const QString& message);
    bool store(CurveModuleRow& row);

    CurveModuleRow edited;
    bool existing = false;
    QVector<QLineEdit*> fields;
    FavouriteStarButton* star = nullptr;

    CurveMessageBox failureMessages {this};
};

} // namespace IVCurve
