#include "DiagnosisSettings.h"

#include "SettingsKeys.h"

#include <QSettings>

#include <cmath>

namespace IVCurve {

DiagnosisSettings& DiagnosisSettings::instance()
{
    static DiagnosisSettings settings;
    return settings;
}

const QVector<DiagnosisSettings::Field>& DiagnosisSettings::fields()
{
    static const QVector<Field> all{
        {SettingsKeys::diagnosisPerformanceFactor, &DiagnosisThresholds::performanceFactor, 0.5, 1.0},
        {SettingsKeys::diagnosisStcRatio, &DiagnosisThresholds::stcRatio, 0.5, 1.0},
        {SettingsKeys::diagnosisStepDrop, &DiagnosisThresholds::stepDrop, 0.01, 0.5},
        {SettingsKeys::diagnosisSeriesResistanceFactor, &DiagnosisThresholds::seriesResistanceFactor, 1.0, 10.0},
        {SettingsKeys::diagnosisShuntDrop, &DiagnosisThresholds::shuntDrop, 0.01, 0.5},
        {SettingsKeys::diagnosisSiblingShortfall, &DiagnosisThresholds::siblingShortfall, 0.01, 0.5},
        {SettingsKeys::diagnosisLowIrradiance, &DiagnosisThresholds::lowIrradiance, 0.0, 1000.0}};
    return all;
}

DiagnosisThresholds DiagnosisSettings::thresholds()
{
    DiagnosisThresholds thresholds;
    for (const Field& field : fields())
        thresholds.*field.value = read(field, thresholds.*field.value);
    return thresholds;
}

void DiagnosisSettings::store(const DiagnosisThresholds& thresholds)
{
    const DiagnosisThresholds before = DiagnosisSettings::thresholds();
    bool changed = false;
    QSettings settings;
    for (const Field& field : fields()) {
        settings.setValue(field.key, thresholds.*field.value);
        changed = changed || before.*field.value != thresholds.*field.value;
    }
    if (changed)
        emit thresholdsChanged();
}

double DiagnosisSettings::read(const Field& field, double fallback)
{
    bool read = false;
    const double stored = QSettings().value(field.key).toDouble(&read);
    if (!read || !std::isfinite(stored) || stored < field.smallest || stored > field.largest)
        return fallback;
    return stored;
}

} // namespace IVCurve
