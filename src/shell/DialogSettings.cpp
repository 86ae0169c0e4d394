#include "DialogSettings.h"

#include "CurveReport.h"
#include "DiagnosisSettings.h"
#include "DiagnosisThresholdsPage.h"
#include "DocumentSession.h"
#include "Folders.h"
#include "Prompts.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

DialogSettings::DialogSettings(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Settings", "Window Title"));
    setModal(true);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(buildProjectsTab(), tr("Projects Directory", "Window Title"));
    tabs->addTab(buildFavouritesTab(), tr("Report Favourites", "Window Title"));
    tabs->addTab(buildCurveReportTab(), tr("Curve Report", "Window Title"));
    diagnosisThresholds = new IVCurve::DiagnosisThresholdsPage(this);
    tabs->addTab(diagnosisThresholds, tr("Curve Diagnosis", "Window Title"));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &DialogSettings::accept);
    connect(box, &QDialogButtonBox::rejected, this, &DialogSettings::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(box);
    resize(560, 320);
}

QWidget* DialogSettings::buildProjectsTab()
{
    auto* tab = new QWidget(this);
    root = new QLineEdit(Folders::instance().rootDir(), tab);
    auto* browse = new QPushButton(tr("Browse...", "Menu option"), tab);
    connect(browse, &QPushButton::clicked, this, &DialogSettings::browseProjectsRoot);
    auto* layout = new QGridLayout(tab);
    layout->addWidget(new QLabel(tr("The root directory of all projects:", "User prompt"), tab), 0, 0, 1, 2);
    layout->addWidget(root, 1, 0);
    layout->addWidget(browse, 1, 1);
    reopen = new QCheckBox(tr("Reopen the documents that were open when the program was last closed", "User prompt"), tab);
    reopen->setChecked(DocumentSession::reopens());
    layout->addWidget(reopen, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    return tab;
}

QCheckBox* DialogSettings::reopenBox() const
{
    return reopen;
}

QWidget* DialogSettings::buildFavouritesTab()
{
    auto* tab = new QWidget(this);
    auto* layout = new QGridLayout(tab);
    auto* text = new QLabel(tr("If a favourite has been saved for a particular report type, then this will be used "
                               "when creating a new report. Use the buttons below to restore the reports to their "
                               "defaults.",
                               "User prompt"),
                            tab);
    text->setWordWrap(true);
    layout->addWidget(text, 0, 0, 1, 2);
    addFavouriteRow(tab, tr("Restore Inspection Report", "Menu option"), QStringLiteral("arvir"), &DialogSettings::restoreIR);
    addFavouriteRow(tab, tr("Restore PV Array Test Report", "Menu option"), QStringLiteral("arvatr"),
                    &DialogSettings::restoreATR);
    addFavouriteRow(tab, tr("Restore Vertification Certificate", "Menu option"), QStringLiteral("arvvc"),
                    &DialogSettings::restoreVC);
    addFavouriteRow(tab, tr("Restore Checklist", "Menu option"), QStringLiteral("arvchk"), &DialogSettings::restoreCHK);
    layout->setRowStretch(layout->rowCount(), 1);
    layout->setColumnStretch(1, 1);
    return tab;
}

QWidget* DialogSettings::buildCurveReportTab()
{
    auto* tab = new QWidget(this);
    deviationThreshold = new QDoubleSpinBox(tab);
    deviationThreshold->setObjectName(QStringLiteral("deviationThreshold"));
    deviationThreshold->setRange(0.0, IVCurve::CurveReport::LargestDeviationThreshold);
    deviationThreshold->setDecimals(1);
    deviationThreshold->setSingleStep(0.5);
    deviationThreshold->setSuffix(QStringLiteral(" %"));
    deviationThreshold->setValue(IVCurve::CurveReport::deviationThreshold());
    auto* text = new QLabel(tr("The curve report marks the deviation of a string's STC power from its nominal power "
                               "in colour when it is greater than:",
                               "User prompt"),
                            tab);
    text->setWordWrap(true);
    text->setBuddy(deviationThreshold);
    auto* layout = new QGridLayout(tab);
    layout->addWidget(text, 0, 0, 1, 2);
    layout->addWidget(deviationThreshold, 1, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    return tab;
}

void DialogSettings::addFavouriteRow(QWidget* tab, const QString& text, const QString& extension,
                                     void (DialogSettings::*slot)())
{
    auto* layout = static_cast<QGridLayout*>(tab->layout());
    const int row = layout->rowCount();
    auto* button = new QPushButton(text, tab);
    auto* label = new QLabel(tab);
    connect(button, &QPushButton::clicked, this, slot);
    layout->addWidget(button, row, 0);
    layout->addWidget(label, row, 1);
    buttons.insert(extension, button);
    labels.insert(extension, label);
    showFavouriteState(extension);
}

void DialogSettings::showFavouriteState(const QString& extension)
{
    const bool modified = ReportFavourites::isModified(extension);
    buttons.value(extension)->setEnabled(modified);
    labels.value(extension)->setText(
        modified ? tr("File last modified on %1.", "User prompt")
                       .arg(QFileInfo(ReportFavourites::favouritePath(extension)).lastModified().toString())
                 : tr("The default report has not been modified.", "User prompt"));
}

QLineEdit* DialogSettings::rootEdit() const
{
    return root;
}

QPushButton* DialogSettings::restoreButton(const QString& extension) const
{
    return buttons.value(extension);
}

QLabel* DialogSettings::statusLabel(const QString& extension) const
{
    return labels.value(extension);
}

IVCurve::DiagnosisThresholdsPage* DialogSettings::diagnosisPage() const
{
    return diagnosisThresholds;
}

QDoubleSpinBox* DialogSettings::deviationThresholdBox() const
{
    return deviationThreshold;
}

void DialogSettings::browseProjectsRoot()
{
    FileRequest request;
    request.kind = FileRequest::ExistingDirectory;
    request.parent = this;
    request.caption = tr("Select Projects Root Directory", "Window Title");
    request.directory = root->text();
    const QString chosen = Prompts::instance().chooseFile(request);
    if (!chosen.isEmpty())
        root->setText(chosen);
}

void DialogSettings::restore(const QString& extension)
{
    ReportFavourites::restore(extension, this);
    showFavouriteState(extension);
}

void DialogSettings::restoreIR()
{
    restore(QStringLiteral("arvir"));
}

void DialogSettings::restoreATR()
{
    restore(QStringLiteral("arvatr"));
}

void DialogSettings::restoreVC()
{
    restore(QStringLiteral("arvvc"));
}

void DialogSettings::restoreCHK()
{
    restore(QStringLiteral("arvchk"));
}

void DialogSettings::accept()
{
    const QString chosen = root->text();
    if (chosen != Folders::instance().rootDir() && !Folders::instance().setRootDir(chosen))
        return;
    QSettings().setValue(SettingsKeys::curveReportDeviationThreshold, deviationThreshold->value());
    IVCurve::DiagnosisSettings::instance().store(diagnosisThresholds->thresholds());
    DocumentSession::setReopens(reopen->isChecked());
    QDialog::accept();
}
