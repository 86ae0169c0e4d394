#pragma once

#include "DiagnosisThresholds.h"

#include <QObject>
#include <QString>
#include <QVector>

namespace IVCurve {

// The user's limits of the curve diagnosis in the settings store, and the one place that tells
// the open curve windows when they change.
class DiagnosisSettings : public QObject
{
    Q_OBJECT

public:
    // One limit as stored: a value outside smallest..largest counts as not set.
    struct Field {
        QString key;
        double DiagnosisThresholds::*value;
        double smallest;
        double largest;
    };

    static DiagnosisSettings& instance();
    static const QVector<Field>& fields();
    // Defaults for limits that are not set or that another program or a hand edit spoiled.
    static DiagnosisThresholds thresholds();
    // Writes the limits and tells the curve windows, but only when one of them changed.
    void store(const DiagnosisThresholds& thresholds);

signals:
    void thresholdsChanged();

private:
    DiagnosisSettings() = default;
    static double read(const Field& field, double fallback);
};

} // namespace IVCurve
