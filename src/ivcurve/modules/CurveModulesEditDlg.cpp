#include "CurveModulesEditDlg.h"

#include "CoefficientPercentInput.h"
#include "CurveMessageBox.h"
#include "CurveModuleDatabase.h"
#include "FavouriteStarButton.h"
#include "CurveFileLimits.h"
#include "CurveNumberText.h"
#include "STCparameters.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace IVCurve {

CurveModulesEditDlg::CurveModulesEditDlg(QWidget* parent)
    : QDialog(parent)
{
    build();
}

CurveModulesEditDlg::CurveModulesEditDlg(const CurveModuleRow& existingModule, QWidget* parent)
    : QDialog(parent)
    , edited(existingModule)
    , existing(true)
{
    build();
    showModule();
}

void CurveModulesEditDlg::build()
{
    setWindowTitle(tr("Edit Module", "Window Title"));
    fields.resize(Kappa + 1);
    auto* layout = new QGridLayout(this);
    addField(layout, Description, tr("Description:", "User prompt"), QString())->setMinimumWidth(320);
    star = new FavouriteStarButton(this);
    star->setToolTip(tr("Favourite", "Tool tip hint"));
    connect(star, &FavouriteStarButton::toggled, this, &CurveModulesEditDlg::slotFavouriteToggled);
    layout->addWidget(star, 0, 2, Qt::AlignCenter);
    addField(layout, Isc, tr("Isc: (A)", "User prompt"), tr("Current at short-circuit", "Tool tip hint"));
    addField(layout, Voc, tr("Voc: (V)", "User prompt"), tr("Voltage at open-circuit", "Tool tip hint"));
    addField(layout, Imp, tr("Impp: (A)", "User prompt"), tr("Current at maximum power point", "Tool tip hint"));
    addField(layout, Vmp, tr("Vmpp: (V)", "User prompt"), tr("Voltage at maximum power point", "Tool tip hint"));
    addField(layout, Alpha, tr("α: (A/°C)", "User prompt"),
             tr("Current-Temperature coefficient e.g. 0.003", "Tool tip hint"));
    addPercentButton(layout, Alpha, tr("Enter value as a percentage of Isc", "Tool tip hint"),
                     &CurveModulesEditDlg::slotAlphaPercentClicked);
    addField(layout, Beta, tr("β: (V/°C)", "User prompt"),
             tr("Voltage-Temperature coefficient e.g. -0.14", "Tool tip hint"));
    addPercentButton(layout, Beta, tr("Enter value as a percentage of Voc", "Tool tip hint"),
                     &CurveModulesEditDlg::slotBetaPercentClicked);
    addField(layout, Delta, tr("delta:", "User prompt"),
             tr("Anderson's delta coefficient:\nmono-Crystalline 0.085\nmulti-Crystalline 0.110\nThin-Film 0.063",
                "Tool tip hint"));
    addField(layout, Rs, tr("Rs: (Ω)", "User prompt"), tr("series resistance e.g. 0.3", "Tool tip hint"));
    addField(layout, CellsInSeries, tr("Cells in series:", "User prompt"),
             tr("Cells in series in one module, from the data sheet, e.g. 60; empty when unknown", "Tool tip hint"));
    addField(layout, Kappa, tr("κ: (Ω/°C)", "User prompt"),
             tr("Curve-correction factor of IEC 60891, e.g. 0.00125; empty when unknown", "Tool tip hint"));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &CurveModulesEditDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CurveModulesEditDlg::reject);
    layout->setRowStretch(layout->rowCount(), 1);
    layout->addWidget(box, layout->rowCount(), 0, 1, 3);
    layout->setColumnStretch(1, 1);
}

QLineEdit* CurveModulesEditDlg::addField(QGridLayout* layout, Field which, const QString& label,
                                         const QString& toolTip)
{
    const int row = int(which);
    auto* edit = new QLineEdit(this);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    edit->setToolTip(toolTip);
    caption->setToolTip(toolTip);
    layout->addWidget(caption, row, 0);
    layout->addWidget(edit, row, 1);
    fields[which] = edit;
    return edit;
}

void CurveModulesEditDlg::addPercentButton(QGridLayout* layout, Field which, const QString& toolTip,
                                           void (CurveModulesEditDlg::*slot)())
{
    auto* button = new QPushButton(tr("%/°C ...", "Menu option"), this);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    layout->addWidget(button, int(which), 2);
}

void CurveModulesEditDlg::showModule()
{
    fields[Description]->setText(edited.description);
    const double values[] = {edited.Isc, edited.Voc, edited.Imp, edited.Vmp,
                             edited.alpha, edited.beta, edited.delta, edited.Rs};
    for (int which = Isc; which <= Rs; ++which)
        fields[which]->setText(CurveNumberText::userText(values[which - Isc]));
    if (edited.cellsInSeries > 0)
        fields[CellsInSeries]->setText(QLocale().toString(edited.cellsInSeries));
    if (edited.kappa != 0.0)
        fields[Kappa]->setText(CurveNumberText::userText(edited.kappa));
    star->setChecked(edited.favourite);
}

const CurveModuleRow& CurveModulesEditDlg::module() const
{
    return edited;
}

QLineEdit* CurveModulesEditDlg::field(Field which) const
{
    return fields.value(which);
}

FavouriteStarButton* CurveModulesEditDlg::favouriteButton() const
{
    return star;
}

void CurveModulesEditDlg::slotFavouriteToggled(bool favourite)
{
    edited.favourite = favourite;
}

void CurveModulesEditDlg::slotAlphaPercentClicked()
{
    QString alpha = fields[Alpha]->text();
    if (CoefficientPercentInput::ask(this, CoefficientPercentInput::Alpha, fields[Isc]->text(), alpha))
        fields[Alpha]->setText(alpha);
}

void CurveModulesEditDlg::slotBetaPercentClicked()
{
    QString beta = fields[Beta]->text();
    if (CoefficientPercentInput::ask(this, CoefficientPercentInput::Beta, fields[Voc]->text(), beta))
        fields[Beta]->setText(beta);
}

void CurveModulesEditDlg::accept()
{
    CurveModuleRow row = edited;
    if (!readFields(row))
        return;
    if (!store(row)) {
        reject();
        return;
    }
    edited = row;
    QDialog::accept();
}

bool CurveModulesEditDlg::readFields(CurveModuleRow& row)
{
    row.description = fields[Description]->text().trimmed();
    if (row.description.isEmpty()) {
        CurveMessageBox::warning(this, tr("Please enter a description of the module.", "Warning Message"));
        fields[Description]->setFocus();
        return false;
    }
    return readNumber(Isc, row.Isc) && readNumber(Voc, row.Voc) && readNumber(Imp, row.Imp)
        && readNumber(Vmp, row.Vmp) && readNumber(Alpha, row.alpha) && readNumber(Beta, row.beta)
        && readNumber(Delta, row.delta) && readNumber(Rs, row.Rs) && readCellsInSeries(row.cellsInSeries)
        && readOptionalNumber(Kappa, row.kappa);
}

bool CurveModulesEditDlg::readNumber(Field which, double& value)
{
    if (CurveNumberText::parseUser(fields[which]->text(), value))
        return true;
    static const char* const names[] = {"", "Isc", "Voc", "Impp", "Vmpp", "α", "β", "delta", "Rs", "", "κ"};
    refuseField(which, CurveNumberText::notANumber(QString::fromUtf8(names[which]), fields[which]->text()));
    return false;
}

bool CurveModulesEditDlg::readOptionalNumber(Field which, double& value)
{
    if (!fields[which]->text().trimmed().isEmpty())
        return readNumber(which, value);
    value = 0.0;
    return true;
}

bool CurveModulesEditDlg::readCellsInSeries(int& cells)
{
    const QString text = fields[CellsInSeries]->text().trimmed();
    cells = text.isEmpty() ? 0 : STCparameters::count(text);
    if (text.isEmpty() || (cells > 0 && cells <= CurveFileLimits::maximumCellsInSeries))
        return true;
    refuseField(CellsInSeries, CurveNumberText::notACount(tr("cells in series", "Warning Message"), text,
                                                          CurveFileLimits::maximumCellsInSeries));
    return false;
}

void CurveModulesEditDlg::refuseField(Field which, const QString& message)
{
    CurveMessageBox::warning(this, message);
    fields[which]->setFocus();
    fields[which]->selectAll();
}

bool CurveModulesEditDlg::store(CurveModuleRow& row)
{
    CurveModuleDatabase modules(&failureMessages);
    if (existing)
        return modules.update(row);
    row.userModule = true;
    return modules.insert(row);
}

} // namespace IVCurve
