#include "DiagnosisThresholdsPage.h"

#include "DiagnosisSettings.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace IVCurve {

namespace {
const double percent = 100.0;

const DiagnosisSettings::Field& fieldOf(double DiagnosisThresholds::*value)
{
    const QVector<DiagnosisSettings::Field>& fields = DiagnosisSettings::fields();
    return *std::find_if(fields.cbegin(), fields.cend(),
                         [value](const DiagnosisSettings::Field& field) { return field.value == value; });
}
} // namespace

DiagnosisThresholdsPage::DiagnosisThresholdsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QFormLayout(this);
    auto* text = new QLabel(tr("The curve window, the tree and the curve report mark a string's curve when it "
                               "passes one of these limits:",
                               "User prompt"),
                            this);
    text->setWordWrap(true);
    layout->addRow(text);
    for (const Row& row : rows())
        layout->addRow(row.label, makeBox(row));
    auto* defaults = new QPushButton(tr("Restore Defaults", "Button"), this);
    defaults->setObjectName(QStringLiteral("restoreDiagnosisDefaults"));
    connect(defaults, &QPushButton::clicked, this, &DiagnosisThresholdsPage::restoreDefaults);
    layout->addRow(defaults);
    setThresholds(DiagnosisSettings::thresholds());
}

QVector<DiagnosisThresholdsPage::Row> DiagnosisThresholdsPage::rows()
{
    const QString percentSuffix = QStringLiteral(" %");
    return {
        {&DiagnosisThresholds::performanceFactor, tr("Performance factor below:", "Settings label"), percent,
         percentSuffix, 1},
        {&DiagnosisThresholds::stcRatio, tr("Power at STC below (of nominal power):", "Settings label"), percent,
         percentSuffix, 1},
        {&DiagnosisThresholds::stepDrop, tr("Step: current drops by more than (of Isc):", "Settings label"), percent,
         percentSuffix, 1},
        {&DiagnosisThresholds::seriesResistanceFactor,
         tr("Series resistance above the modules' own by a factor of:", "Settings label"), 1.0,
         tr(" ×", "Settings unit"), 1},
        {&DiagnosisThresholds::shuntDrop, tr("Shunt: current falls near Isc by more than:", "Settings label"), percent,
         percentSuffix, 1},
        {&DiagnosisThresholds::siblingShortfall,
         tr("Power at STC below the other strings' median by more than:", "Settings label"), percent, percentSuffix, 1},
        {&DiagnosisThresholds::lowIrradiance, tr("Findings uncertain below the irradiance:", "Settings label"), 1.0,
         tr(" W/m²", "Settings unit"), 0}};
}

QDoubleSpinBox* DiagnosisThresholdsPage::makeBox(const Row& row)
{
    const DiagnosisSettings::Field& field = fieldOf(row.value);
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(field.key);
    box->setDecimals(row.decimals);
    box->setSuffix(row.suffix);
    box->setRange(field.smallest * row.scale, field.largest * row.scale);
    boxes.append(box);
    return box;
}

DiagnosisThresholds DiagnosisThresholdsPage::thresholds() const
{
    DiagnosisThresholds thresholds;
    const QVector<Row> all = rows();
    for (int i = 0; i < all.size(); ++i)
        thresholds.*all.at(i).value = boxes.at(i)->value() / all.at(i).scale;
    return thresholds;
}

void DiagnosisThresholdsPage::setThresholds(const DiagnosisThresholds& thresholds)
{
    const QVector<Row> all = rows();
    for (int i = 0; i < all.size(); ++i)
        boxes.at(i)->setValue(thresholds.*all.at(i).value * all.at(i).scale);
}

QDoubleSpinBox* DiagnosisThresholdsPage::box(const QString& key) const
{
    return findChild<QDoubleSpinBox*>(key);
}

void DiagnosisThresholdsPage::restoreDefaults()
{
    setThresholds(DiagnosisThresholds());
}

} // namespace IVCurve
