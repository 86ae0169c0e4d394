#pragma once

#include "DiagnosisThresholds.h"

#include <QVector>
#include <QWidget>

class QDoubleSpinBox;

namespace IVCurve {

// The settings page of the curve diagnosis: one box per limit, in the units the inspector thinks
// in (percent, a multiple, W/m²), bounded to what the settings store accepts.
class DiagnosisThresholdsPage : public QWidget
{
    Q_OBJECT

public:
    explicit DiagnosisThresholdsPage(QWidget* parent = nullptr);

    DiagnosisThresholds thresholds() const;
    void setThresholds(const DiagnosisThresholds& thresholds);
    // Named after its settings key.
    QDoubleSpinBox* box(const QString& key) const;

public slots:
    void restoreDefaults();

private:
    struct Row {
        double DiagnosisThresholds::*value;
        QString label;
        // What the box shows for a stored value of 1.
        double scale;
        QString suffix;
        int decimals;
    };
    static QVector<Row> rows();
    QDoubleSpinBox* makeBox(const Row& row);

    QVector<QDoubleSpinBox*> boxes;
};

} // namespace IVCurve
