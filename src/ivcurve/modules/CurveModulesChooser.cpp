#include "CurveModulesChooser.h"

#include "CurveModuleDatabase.h"
#include "CurveQSpinBox.h"
#include "FavouriteStarButton.h"
#include "SettingsKeys.h"
#include "WaitCursor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace IVCurve {

CurveModulesChooser::CurveModulesChooser(uint moduleId, uint series, QWidget* parent)
    : QDialog(parent)
    , chosenId(moduleId)
    , seriesCount(qMax(1u, series))
{
    setWindowTitle(tr("Choose Module", "Window Title"));
    combo = new QComboBox(this);
    // Descriptions may be long; the list shows them whole, the box keeps a sensible width.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(36);
    star = new FavouriteStarButton(this);
    star->setToolTip(tr("Show favourites only", "Tool tip hint"));
    seriesBox = new CurveQSpinBox(this);
    seriesBox->setValue(int(seriesCount));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(combo, 0, 0, 1, 2);
    layout->addWidget(star, 0, 2);
    auto* seriesLabel = new QLabel(tr("Number of modules in series:", "User prompt"), this);
    seriesLabel->setBuddy(seriesBox);
    layout->addWidget(seriesLabel, 1, 0);
    layout->addWidget(seriesBox, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(2, 1);
    layout->addWidget(buttons, 3, 0, 1, 3);

    const bool favouritesOnly = QSettings().value(SettingsKeys::showModuleFavouritesOnly, false).toBool();
    star->setChecked(favouritesOnly);
    fill(favouritesOnly);
    connect(star, &FavouriteStarButton::toggled, this, &CurveModulesChooser::slotFavouritesToggled);
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CurveModulesChooser::slotModuleSelected);
    connect(seriesBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &CurveModulesChooser::slotSeriesChanged);
    connect(buttons, &QDialogButtonBox::accepted, this, &CurveModulesChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CurveModulesChooser::reject);
}

void CurveModulesChooser::fill(bool favouritesOnly)
{
    WaitCursor wait;
    CurveModuleDatabase modules(&failureMessages);
    listed = favouritesOnly ? modules.favourites() : modules.allModules();
    const QSignalBlocker blocker(combo);
    combo->clear();
    int chosenIndex = 0;
    for (const CurveModuleRow& module : qAsConst(listed)) {
        if (module.id == chosenId)
            chosenIndex = combo->count();
        combo->addItem(module.description, module.id);
        combo->setItemData(combo->count() - 1, module.description, Qt::ToolTipRole);
    }
    combo->setCurrentIndex(listed.isEmpty() ? -1 : chosenIndex);
    slotModuleSelected(combo->currentIndex());
}

void CurveModulesChooser::slotFavouritesToggled(bool favouritesOnly)
{
    QSettings().setValue(SettingsKeys::showModuleFavouritesOnly, favouritesOnly);
    fill(favouritesOnly);
}

void CurveModulesChooser::slotModuleSelected(int index)
{
    chosenId = index >= 0 ? combo->itemData(index).toUInt() : 0;
    buttons->button(QDialogButtonBox::Ok)->setEnabled(index >= 0);
}

void CurveModulesChooser::slotSeriesChanged(int series)
{
    seriesCount = uint(series);
}

bool CurveModulesChooser::chosenModule(CurveModuleRow& module) const
{
    const int index = combo->currentIndex();
    if (index < 0 || index >= listed.size())
        return false;
    module = listed.at(index);
    return true;
}

uint CurveModulesChooser::series() const
{
    return seriesCount;
}

QComboBox* CurveModulesChooser::modulesCombo() const
{
    return combo;
}

FavouriteStarButton* CurveModulesChooser::favouritesButton() const
{
    return star;
}

CurveQSpinBox* CurveModulesChooser::seriesSpinBox() const
{
    return seriesBox;
}

} // namespace IVCurve
