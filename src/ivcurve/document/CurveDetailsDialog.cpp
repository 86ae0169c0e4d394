#include "CurveDetailsDialog.h"

#include "CoefficientPercentInput.h"
#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveMessageBox.h"
#include "CurveFileLimits.h"
#include "CurveModuleDatabase.h"
#include "CurveNumberText.h"
#include "CurveTreeModel.h"
#include "FavouriteStarButton.h"
#include "IEC60891Procedure4.h"
#include "Prompts.h"
#include "SettingsKeys.h"
#include "StcApproximation.h"
#include "TestDateText.h"
#include "TreeItem.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace IVCurve {

namespace {
const int largestStringCount = 9999;
const int fieldMinimumWidth = 140;
enum ModuleValue { ModuleVmpp, ModuleImpp, ModuleVoc, ModuleIsc };
// The names the messages give the coefficients, in the order of Coefficient.
const char* const coefficientNames[] = {"Rs", "α", "β", "δ", "a", "b", "κ", "N", "ε"};
} // namespace

CurveDetailsDialog::CurveDetailsDialog(CurveData& curve, CurveCollection& collection, CurveTreeModel& treeModel,
                                       TreeItem* item, QWidget* parent)
    : QDialog(parent)
    , curve(curve)
    , collection(collection)
    , treeModel(treeModel)
    , item(item)
    , module(curve.module())
    , coefficients(CoefficientCount)
    , coefficientRows(CoefficientCount)
{
    setWindowTitle(tr("Curve Details", "Window Title"));
    tabWidget = new QTabWidget(this);
    tabWidget->addTab(makeTestTab(), tr("Test Details", "Tab title"));
    tabWidget->addTab(makeModuleTab(), tr("Module Details", "Tab title"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CurveDetailsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CurveDetailsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    // Each method shows its own number of coefficient rows, and the notes wrap: the dialog grows
    // to hold them rather than squashing the fields, most of all with the longer German texts.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(tabWidget);
    layout->addWidget(buttons);
    showCoefficientsOf(curve.parameters().algorithm);
}

QLineEdit* CurveDetailsDialog::addReading(QGridLayout* grid, int row, int column, const QString& label,
                                          const char* name, const QString& value, bool editable)
{
    auto* caption = new QLabel(label);
    caption->setTextFormat(Qt::RichText);
    auto* field = new QLineEdit(value);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(!editable);
    field->setMinimumWidth(fieldMinimumWidth);
    caption->setBuddy(field);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
    readings.insert(QLatin1String(name), field);
    return field;
}

QWidget* CurveDetailsDialog::makeTestTab()
{
    const CurveReadings& measured = curve.readings();
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(12);
    grid->setColumnMinimumWidth(2, 24);
    const QString title = item ? item->value(TreeItem::Description).toString() : QString();
    addReading(grid, 0, 0, tr("Title:", "Label"), "title", title, false);
    addReading(grid, 1, 0, tr("Tester Serial No:", "Label"), "testerSerNo", measured.testerSerNo, false);
    addReading(grid, 2, 0, tr("Tester Memory Location:", "Label"), "memLocation",
               QString::number(measured.memLocation), false);
    addReading(grid, 3, 0, tr("Test Date:", "Label"), "testDate", TestDateText::forDisplay(measured.testDate), false);
    addReading(grid, 4, 0, tr("Irradiance: (W/m<sup>2</sup>)", "Label"), "irradiance", measured.irradiance, true);
    addReading(grid, 5, 0, tr("Cell Temperature: (°C)", "Label"), "cellTemp", measured.cellTemp, true);
    addReading(grid, 6, 0, tr("Ambient Temperature: (°C)", "Label"), "ambientTemp", measured.ambientTemp, true);
    addReading(grid, 7, 0, tr("Fill Factor:", "Label"), "ff", measured.ff, false);
    addReading(grid, 0, 3, tr("Open Circuit Voltage (V):", "Label"), "voc", measured.voc, false);
    addReading(grid, 1, 3, tr("Short Circuit Current (A):", "Label"), "isc", measured.isc, false);
    addReading(grid, 2, 3, tr("Voltage at mpp (V):", "Label"), "vmp", measured.vmp, false);
    addReading(grid, 3, 3, tr("Current at mpp (A):", "Label"), "imp", measured.imp, false);
    addReading(grid, 4, 3, tr("Clamp Current at mpp: (A)", "Label"), "iclamp", measured.iclamp, false);
    addReading(grid, 5, 3, tr("Protective Earth R:  (Ω)", "Label"), "rpe", measured.rpe, false);
    addReading(grid, 6, 3, tr("Isolation Voltage (V):", "Label"), "viso", measured.viso, false);
    addReading(grid, 7, 3, tr("Isolation Resistance: (MΩ)", "Label"), "riso", measured.riso, false);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* CurveDetailsDialog::makeModuleTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeModuleGroup());
    layout->addWidget(makeStcGroup());
    layout->addStretch();
    return page;
}

QWidget* CurveDetailsDialog::makeModuleGroup()
{
    auto* group = new QGroupBox(tr("Choose Module", "Label"));
    auto* grid = new QGridLayout(group);
    combo = new QComboBox;
    combo->setObjectName(QStringLiteral("modulesCombo"));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(32);
    star = new FavouriteStarButton;
    star->setToolTip(tr("Show favourite modules only", "Tool tip hint"));
    grid->addWidget(combo, 0, 0, 1, 4);
    grid->addWidget(star, 0, 4);
    const QStringList captions{tr("Vmpp:", "Label"), tr("Impp:", "Label"), tr("Voc:", "Label"), tr("Isc:", "Label")};
    for (int value = 0; value < 4; ++value) {
        moduleValues[value] = new QLabel;
        moduleValues[value]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(captions.at(value)), 1 + value / 2, (value % 2) * 2);
        grid->addWidget(moduleValues[value], 1 + value / 2, (value % 2) * 2 + 1);
    }
    series = new QSpinBox;
    series->setRange(1, largestStringCount);
    series->setValue(int(module.series));
    parallel = new QSpinBox;
    parallel->setRange(1, largestStringCount);
    parallel->setValue(int(module.parallel));
    grid->addWidget(new QLabel(tr("No. in Series:", "Label")), 3, 0);
    grid->addWidget(series, 3, 1);
    grid->addWidget(new QLabel(tr("No. in Parallel:", "Label")), 3, 2);
    grid->addWidget(parallel, 3, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    const bool favouritesOnly = QSettings().value(SettingsKeys::showModuleFavouritesOnly, false).toBool();
    star->setChecked(favouritesOnly);
    fillModules(favouritesOnly);
    connect(star, &QToolButton::toggled, this, &CurveDetailsDialog::slotFavouritesToggled);
    connect(combo, qOverload<int>(&QComboBox::activated), this, &CurveDetailsDialog::slotModuleSelected);
    showModuleValues();
    return group;
}

void CurveDetailsDialog::addCoefficientRow(QGridLayout* grid, int row, Coefficient coefficient, const QString& label,
                                           const QString& value)
{
    auto* caption = new QLabel(label);
    auto* field = new QLineEdit(value);
    field->setObjectName(QStringLiteral("coefficient%1").arg(int(coefficient)));
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    coefficients[coefficient] = field;
    coefficientRows[coefficient] = {caption, field};
    if (coefficient != Alpha && coefficient != Beta)
        return;
    auto* percent = new QPushButton(tr("%/°C ...", "Button"));
    percent->setToolTip(coefficient == Alpha ? tr("Enter value as a percentage of Isc", "Tool tip hint")
                                             : tr("Enter value as a percentage of Voc", "Tool tip hint"));
    connect(percent, &QPushButton::clicked, this,
            coefficient == Alpha ? &CurveDetailsDialog::slotAlphaPercentClicked
                                 : &CurveDetailsDialog::slotBetaPercentClicked);
    grid->addWidget(percent, row, 2);
    coefficientRows[coefficient].append(percent);
}

QWidget* CurveDetailsDialog::makeMethodButtons()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    methods = new QButtonGroup(box);
    const QVector<QPair<Method, QString>> names{
        {Method::Anderson, tr("Anderson", "Label")},
        {Method::IEC60891, tr("IEC60891 procedure 1", "Label")},
        {Method::IEC60891Procedure2, tr("IEC60891 procedure 2", "Label")},
        {Method::IEC60891Procedure4, tr("IEC60891 procedure 4", "Label")},
        {Method::Blaesser, tr("Blässer", "Label")}};
    for (const auto& name : names) {
        auto* button = new QRadioButton(name.second);
        button->setToolTip(methodNote(int(name.first)));
        methods->addButton(button, int(name.first));
        row->addWidget(button);
    }
    row->addStretch();
    return box;
}

QWidget* CurveDetailsDialog::makeStcGroup()
{
    auto* group = new QGroupBox(tr("STC Calculation", "Label"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(makeMethodButtons());
    layout->addWidget(makeNoteLabel(QStringLiteral("standardNote"), standardNote()));
    layout->addWidget(makeNoteLabel(QStringLiteral("approximationNote"),
                                    StcApproximation::note(StcApproximation::reasons(curve))));

    const STCparameters& settings = curve.parameters();
    auto* grid = new QGridLayout;
    addCoefficientRow(grid, 0, Rs, tr("Rs: (Ω)", "Label"), settings.Rs);
    addCoefficientRow(grid, 1, Alpha, tr("α: (A/°C)", "Label"), settings.alpha);
    addCoefficientRow(grid, 2, Beta, tr("β: (V/°C)", "Label"), settings.beta);
    addCoefficientRow(grid, 3, Delta, tr("δ:", "Label"), settings.delta);
    addCoefficientRow(grid, 4, A, tr("a:", "Label"), settings.a);
    addCoefficientRow(grid, 5, B, tr("b: (1/°C)", "Label"), settings.b);
    addCoefficientRow(grid, 6, Kappa, tr("κ: (Ω/°C)", "Label"), settings.kappa);
    addCoefficientRow(grid, 7, CellsInSeries, tr("N: cells in series per module", "Label"), settings.cellsInSeries);
    addCoefficientRow(grid, 8, Bandgap, tr("ε: bandgap (V)", "Label"), settings.bandgap);
    coefficients[Delta]->setToolTip(
        tr("Anderson's delta coefficient:\nmono-Crystalline 0.085\nmulti-Crystalline 0.110\nThin-Film 0.063",
           "Tool tip hint"));
    coefficients[CellsInSeries]->setToolTip(
        tr("Leave empty to take the number from the module database, or from the module's Voc", "Tool tip hint"));
    coefficients[Bandgap]->setToolTip(tr("Crystalline silicon: 1.232 V", "Tool tip hint"));
    showCellsInSeriesGuess();
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    methodButton(settings.algorithm)->setChecked(true);
    const QVector<QPair<Method, void (CurveDetailsDialog::*)(bool)>> toggles{
        {Method::Anderson, &CurveDetailsDialog::slotAndersonToggled},
        {Method::IEC60891, &CurveDetailsDialog::slotIECToggled},
        {Method::IEC60891Procedure2, &CurveDetailsDialog::slotProcedure2Toggled},
        {Method::IEC60891Procedure4, &CurveDetailsDialog::slotProcedure4Toggled},
        {Method::Blaesser, &CurveDetailsDialog::slotBlaesserToggled}};
    for (const auto& toggle : toggles)
        connect(methods->button(int(toggle.first)), &QRadioButton::toggled, this, toggle.second);
    return group;
}

QString CurveDetailsDialog::standardNote()
{
    return tr("IEC 60891 procedure 1 is the standard's method; use it for values you sign. The standard "
              "covers neither Anderson nor Blässer, and the module database's δ values for Anderson are "
              "typical figures, two to three times what the module physics gives.",
              "Label");
}

// Empty notes take no room: a curve inside the validated range shows no approximation line.
QLabel* CurveDetailsDialog::makeNoteLabel(const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setVisible(!text.isEmpty());
    return label;
}

QTabWidget* CurveDetailsDialog::tabs() const
{
    return tabWidget;
}

QLineEdit* CurveDetailsDialog::coefficientField(Coefficient coefficient) const
{
    return coefficients.at(coefficient);
}

QLineEdit* CurveDetailsDialog::readingField(const QString& objectName) const
{
    return readings.value(objectName);
}

// A number that names no method converts by Anderson, and the dialog says so.
QRadioButton* CurveDetailsDialog::methodButton(int algorithm) const
{
    auto* button = qobject_cast<QRadioButton*>(methods->button(algorithm));
    return button ? button : qobject_cast<QRadioButton*>(methods->button(int(Method::Anderson)));
}

QComboBox* CurveDetailsDialog::modulesCombo() const
{
    return combo;
}

QSpinBox* CurveDetailsDialog::seriesBox() const
{
    return series;
}

QSpinBox* CurveDetailsDialog::parallelBox() const
{
    return parallel;
}

bool CurveDetailsDialog::isCoefficientShown(Coefficient coefficient) const
{
    return !coefficients.at(coefficient)->isHidden();
}

// Each method reads only some of the coefficients; the others would only invite edits that
// change nothing.
void CurveDetailsDialog::showCoefficientsOf(int algorithm)
{
    QVector<Coefficient> used;
    switch (Method(algorithm)) {
    case Method::Blaesser:
        used = {Rs, Alpha, A, B};
        break;
    case Method::IEC60891:
        used = {Rs, Alpha, Beta, Kappa};
        break;
    case Method::IEC60891Procedure2:
        used = {Rs, Alpha, Beta, A, Kappa};
        break;
    case Method::IEC60891Procedure4:
        used = {Rs, Alpha, CellsInSeries, Bandgap};
        break;
    default:
        used = {Alpha, Beta, Delta};
        break;
    }
    for (int coefficient = 0; coefficient < CoefficientCount; ++coefficient) {
        for (QWidget* widget : qAsConst(coefficientRows[coefficient]))
            widget->setVisible(used.contains(Coefficient(coefficient)));
    }
}

// The two procedures read some coefficients differently from the fields' plain meaning. Said in
// the tool tip: one more wrapped note would crowd the fields below it.
QString CurveDetailsDialog::methodNote(int algorithm)
{
    if (algorithm == int(Method::IEC60891Procedure2))
        return tr("Procedure 2 takes α and β relative to the module's Isc and Voc (α_rel = α / Isc, "
                  "β_rel = β / Voc); a is its irradiance correction factor, 0.06 unless measured; Rs' and κ' are "
                  "entered as Rs and κ.",
                  "Tool tip hint");
    if (algorithm == int(Method::IEC60891Procedure4))
        return tr("Procedure 4 needs neither β nor κ: the voltage follows the temperature through the bandgap ε "
                  "of the N cells in series of each module.",
                  "Tool tip hint");
    return QString();
}

// The N procedure 4 uses while the field is empty, from the module or the measured Voc.
void CurveDetailsDialog::showCellsInSeriesGuess()
{
    STCparameters unset = curve.parameters();
    unset.cellsInSeries.clear();
    double voc = 0.0;
    if (!CurveNumberText::parseUser(curve.readings().voc, voc))
        voc = curve.maxV();
    const int guess = IEC60891Procedure4::storedCoefficients(unset, module, voc).cellsInSeries;
    coefficients[CellsInSeries]->setPlaceholderText(QLocale().toString(guess));
}

void CurveDetailsDialog::slotAndersonToggled(bool on)
{
    if (on)
        showCoefficientsOf(int(Method::Anderson));
}

void CurveDetailsDialog::slotIECToggled(bool on)
{
    if (on)
        showCoefficientsOf(int(Method::IEC60891));
}

void CurveDetailsDialog::slotBlaesserToggled(bool on)
{
    if (on)
        showCoefficientsOf(int(Method::Blaesser));
}

void CurveDetailsDialog::slotProcedure2Toggled(bool on)
{
    if (on)
        showCoefficientsOf(int(Method::IEC60891Procedure2));
}

void CurveDetailsDialog::slotProcedure4Toggled(bool on)
{
    if (on)
        showCoefficientsOf(int(Method::IEC60891Procedure4));
}

void CurveDetailsDialog::slotAlphaPercentClicked()
{
    QString text = coefficients[Alpha]->text();
    if (CoefficientPercentInput::ask(this, CoefficientPercentInput::Alpha, moduleValues[ModuleIsc]->text(), text))
        coefficients[Alpha]->setText(text);
}

void CurveDetailsDialog::slotBetaPercentClicked()
{
    QString text = coefficients[Beta]->text();
    if (CoefficientPercentInput::ask(this, CoefficientPercentInput::Beta, moduleValues[ModuleVoc]->text(), text))
        coefficients[Beta]->setText(text);
}

void CurveDetailsDialog::slotFavouritesToggled(bool favouritesOnly)
{
    QSettings().setValue(SettingsKeys::showModuleFavouritesOnly, favouritesOnly);
    fillModules(favouritesOnly);
}

void CurveDetailsDialog::fillModules(bool favouritesOnly)
{
    CurveMessageBox failureMessages(this);
    CurveModuleDatabase modules(&failureMessages);
    listedModules = favouritesOnly ? modules.favourites() : modules.allModules();
    combo->clear();
    combo->addItem(tr("<No module>", "Combo box entry"), 0u);
    for (const CurveModuleRow& row : qAsConst(listedModules))
        combo->addItem(row.description, row.id);
    const int current = combo->findData(module.moduleId);
    combo->setCurrentIndex(qMax(0, current));
}

// A module brings its own coefficients, as assigning it from the tool bar does.
void CurveDetailsDialog::slotModuleSelected(int index)
{
    const uint id = combo->itemData(index).toUInt();
    if (id == 0) {
        module = AssignedModule();
    } else {
        for (const CurveModuleRow& row : qAsConst(listedModules)) {
            if (row.id != id)
                continue;
            module.moduleId = id;
            module.setDataSheet(row.Voc, row.Isc, row.Vmp, row.Imp);
            const QLocale locale;
            coefficients[Alpha]->setText(locale.toString(row.alpha, 'g', 6));
            coefficients[Beta]->setText(locale.toString(row.beta, 'g', 6));
            coefficients[Delta]->setText(locale.toString(row.delta, 'g', 6));
            coefficients[Rs]->setText(locale.toString(row.Rs, 'g', 6));
            if (row.kappa != 0.0)
                coefficients[Kappa]->setText(locale.toString(row.kappa, 'g', 6));
            module.cellsInSeries = row.cellsInSeries;
        }
    }
    showModuleValues();
    showCellsInSeriesGuess();
}

void CurveDetailsDialog::showModuleValues()
{
    const QLocale locale;
    const bool known = module.moduleId != 0;
    const double values[4] = {module.Vmpp, module.Impp, module.Voc, module.Isc};
    for (int value = 0; value < 4; ++value)
        moduleValues[value]->setText(known ? locale.toString(values[value], 'g', 6) : QString());
}

bool CurveDetailsDialog::confirmAutomaticSave()
{
    QSettings settings;
    if (settings.value(SettingsKeys::hideAutomaticSaveWarning, false).toBool())
        return true;
    MessageRequest request;
    request.icon = QMessageBox::Information;
    request.title = CurveMessageBox::title();
    request.text = tr("Changes to the PV string data are automatically saved when OK is pressed.\n", "User prompt");
    request.checkBoxText = tr("Do not show this message again", "User prompt");
    request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    // No parent: the box opens in the middle of the screen.
    const MessageAnswer answer = Prompts::instance().message(request);
    if (answer.button != QMessageBox::Ok)
        return false;
    if (answer.checkBoxChecked)
        settings.setValue(SettingsKeys::hideAutomaticSaveWarning, true);
    return true;
}

QString CurveDetailsDialog::normalised(const QString& text)
{
    bool ok = false;
    const QLocale locale;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok ? locale.toString(value, 'g', 6) : text;
}

QString CurveDetailsDialog::editedReading(const char* name, const QString& stored) const
{
    const QLineEdit* field = readings.value(QLatin1String(name));
    bool readable = false;
    QLocale().toDouble(field->text().trimmed(), &readable);
    return field->isModified() && readable ? normalised(field->text()) : stored;
}

// Only the coefficients the method shows were checked; another one that does not read keeps
// what the curve had.
QString CurveDetailsDialog::coefficientText(Coefficient coefficient, const QString& stored) const
{
    double value = 0.0;
    const QString text = coefficients[coefficient]->text();
    return CurveNumberText::parseUser(text.trimmed(), value) ? normalised(text) : stored;
}

void CurveDetailsDialog::takeEdits(CurveData& edited) const
{
    STCparameters settings = edited.parameters();
    settings.algorithm = methods->checkedId();
    settings.Rs = coefficientText(Rs, settings.Rs);
    settings.alpha = coefficientText(Alpha, settings.alpha);
    settings.beta = coefficientText(Beta, settings.beta);
    settings.delta = coefficientText(Delta, settings.delta);
    settings.a = coefficientText(A, settings.a);
    settings.b = coefficientText(B, settings.b);
    settings.kappa = coefficientText(Kappa, settings.kappa);
    settings.bandgap = coefficientText(Bandgap, settings.bandgap);
    const int cells = STCparameters::count(coefficients[CellsInSeries]->text());
    settings.cellsInSeries = cells > 0 ? QLocale().toString(cells) : QString();
    edited.setParameters(settings);

    CurveReadings measured = edited.readings();
    measured.irradiance = editedReading("irradiance", measured.irradiance);
    measured.cellTemp = editedReading("cellTemp", measured.cellTemp);
    measured.ambientTemp = editedReading("ambientTemp", measured.ambientTemp);
    edited.setReadings(measured);

    AssignedModule layout = module;
    layout.series = uint(series->value());
    layout.parallel = uint(parallel->value());
    edited.setModule(layout);
}

bool CurveDetailsDialog::refuseCoefficient(Coefficient coefficient, const QString& message)
{
    CurveMessageBox::warning(this, message);
    coefficients[coefficient]->setFocus();
    coefficients[coefficient]->selectAll();
    return false;
}

// Text that is no number would be stored as text and read back as 0. N may stay empty.
bool CurveDetailsDialog::coefficientsReadable()
{
    for (int index = 0; index < CoefficientCount; ++index) {
        const auto coefficient = Coefficient(index);
        if (!isCoefficientShown(coefficient))
            continue;
        const QString text = coefficients[coefficient]->text().trimmed();
        const QString name = QString::fromUtf8(coefficientNames[coefficient]);
        if (coefficient == CellsInSeries) {
            const int cells = STCparameters::count(text);
            if (!text.isEmpty() && (cells == 0 || cells > CurveFileLimits::maximumCellsInSeries))
                return refuseCoefficient(coefficient, CurveNumberText::notACount(name, text,
                                                                                 CurveFileLimits::maximumCellsInSeries));
            continue;
        }
        double value = 0.0;
        if (!CurveNumberText::parseUser(text, value))
            return refuseCoefficient(coefficient, CurveNumberText::notANumber(name, coefficients[coefficient]->text()));
    }
    return true;
}

void CurveDetailsDialog::accept()
{
    if (!coefficientsReadable() || !confirmAutomaticSave())
        return;
    CurveData edited(curve);
    takeEdits(edited);
    if (!collection.updateDetails(edited))
        return;
    const CurveReadings& measured = edited.readings();
    if (item) {
        treeModel.setItemValues(item, {{TreeItem::Irradiance, measured.irradiance},
                                       {TreeItem::AmbientTemperature, measured.ambientTemp},
                                       {TreeItem::CellTemperature, measured.cellTemp}});
        treeModel.setItemConversion(item, curve);
    }
    QDialog::accept();
}

} // namespace IVCurve
