#pragma once

#include "CurveMessageBox.h"
#include "CurveModuleRow.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QDialogButtonBox;

namespace IVCurve {

class CurveQSpinBox;
class FavouriteStarButton;

// Chooses the module a string is built from and how many of them are in series; lists either
// every module or the favourites only, as the user last chose.
class CurveModulesChooser : public QDialog
{
    Q_OBJECT

public:
    // `moduleId` is chosen at first when it is listed; 0 chooses the first module.
    explicit CurveModulesChooser(uint moduleId = 0, uint series = 1, QWidget* parent = nullptr);

    // False when no module is chosen (an empty list).
    bool chosenModule(CurveModuleRow& module) const;
    uint series() const;

    QComboBox* modulesCombo() const;
    FavouriteStarButton* favouritesButton() const;
    CurveQSpinBox* seriesSpinBox() const;

public slots:
    void slotFavouritesToggled(bool favouritesOnly);
    void slotModuleSelected(int index);
    void slotSeriesChanged(int series);

private:
    void fill(bool favouritesOnly);

    QComboBox* combo = nullptr;
    FavouriteStarButton* star = nullptr;
    CurveQSpinBox* seriesBox = nullptr;
    QDialogButtonBox* buttons = nullptr;
    QVector<CurveModuleRow> listed;
    uint chosenId = 0;
    uint seriesCount = 1;

    CurveMessageBox failureMessages {this};
};

} // namespace IVCurve
