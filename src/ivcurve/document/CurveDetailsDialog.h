#pragma once

#include "AssignedModule.h"
#include "CurveModuleRow.h"

#include <QDialog>
#include <QMap>
#include <QVector>

class CurveData;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace IVCurve {

class CurveCollection;
class CurveTreeModel;
class FavouriteStarButton;
class TreeItem;

// Shows what the instrument measured with one string and lets the user correct the conditions,
// choose the string's module and layout, and the conversion method with its coefficients. OK
// writes the changes to the file, the curve in memory and the tree at once.
class CurveDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Coefficient { Rs, Alpha, Beta, Delta, A, B, Kappa, CellsInSeries, Bandgap, CoefficientCount };

    CurveDetailsDialog(CurveData& curve, CurveCollection& collection, CurveTreeModel& treeModel, TreeItem* item,
                       QWidget* parent = nullptr);

    QTabWidget* tabs() const;
    QLineEdit* coefficientField(Coefficient coefficient) const;
    QLineEdit* readingField(const QString& objectName) const;
    QRadioButton* methodButton(int algorithm) const;
    QComboBox* modulesCombo() const;
    QSpinBox* seriesBox() const;
    QSpinBox* parallelBox() const;
    // Whether the coefficient's row shows for the chosen method.
    bool isCoefficientShown(Coefficient coefficient) const;

public slots:
    void accept() override;
    void slotAndersonToggled(bool on);
    void slotIECToggled(bool on);
    void slotBlaesserToggled(bool on);
    void slotProcedure2Toggled(bool on);
    void slotProcedure4Toggled(bool on);
    void slotAlphaPercentClicked();
    void slotBetaPercentClicked();
    void slotFavouritesToggled(bool favouritesOnly);
    void slotModuleSelected(int index);

private:
    QWidget* makeTestTab();
    QWidget* makeModuleTab();
    QWidget* makeModuleGroup();
    QWidget* makeStcGroup();
    static QString standardNote();
    static QLabel* makeNoteLabel(const QString& objectName, const QString& text);
    QLineEdit* addReading(QGridLayout* grid, int row, int column, const QString& label, const char* name,
                          const QString& value, bool editable);
    void addCoefficientRow(QGridLayout* grid, int row, Coefficient coefficient, const QString& label,
                           const QString& value);
    QWidget* makeMethodButtons();
    void showCoefficientsOf(int algorithm);
    static QString methodNote(int algorithm);
    void showCellsInSeriesGuess();
    bool coefficientsReadable();
    bool refuseCoefficient(Coefficient coefficient, const QString& message);
    QString coefficientText(Coefficient coefficient, const QString& stored) const;
    void fillModules(bool favouritesOnly);
    void showModuleValues();
    bool confirmAutomaticSave();
    void takeEdits(CurveData& edited) const;
    QString editedReading(const char* name, const QString& stored) const;
    static QString normalised(const QString& text);

    CurveData& curve;
    CurveCollection& collection;
    CurveTreeModel& treeModel;
    TreeItem* item;
    AssignedModule module;

    QTabWidget* tabWidget = nullptr;
    QMap<QString, QLineEdit*> readings;
    QVector<QLineEdit*> coefficients;
    QVector<QVector<QWidget*>> coefficientRows;
    QButtonGroup* methods = nullptr;
    QComboBox* combo = nullptr;
    FavouriteStarButton* star = nullptr;
    QSpinBox* series = nullptr;
    QSpinBox* parallel = nullptr;
    QLabel* moduleValues[4] = {};
    QVector<CurveModuleRow> listedModules;
};

} // namespace IVCurve
