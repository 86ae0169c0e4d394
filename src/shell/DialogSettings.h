#pragma once

#include <QDialog>
#include <QHash>

class QDoubleSpinBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace IVCurve {
class DiagnosisThresholdsPage;
}

// The projects root folder, the report favourites, the curve report's deviation mark and the
// limits of the curve diagnosis.
class DialogSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DialogSettings(QWidget* parent = nullptr);

    QLineEdit* rootEdit() const;
    QCheckBox* reopenBox() const;
    QPushButton* restoreButton(const QString& extension) const;
    QLabel* statusLabel(const QString& extension) const;
    QDoubleSpinBox* deviationThresholdBox() const;
    IVCurve::DiagnosisThresholdsPage* diagnosisPage() const;

public slots:
    void browseProjectsRoot();
    void restoreIR();
    void restoreATR();
    void restoreVC();
    void restoreCHK();
    // Closes only when the root is unchanged or was set.
    void accept() override;

private:
    QWidget* buildProjectsTab();
    QWidget* buildFavouritesTab();
    QWidget* buildCurveReportTab();
    void addFavouriteRow(QWidget* tab, const QString& text, const QString& extension, void (DialogSettings::*slot)());
    void showFavouriteState(const QString& extension);
    void restore(const QString& extension);

    QLineEdit* root = nullptr;
    QDoubleSpinBox* deviationThreshold = nullptr;
    IVCurve::DiagnosisThresholdsPage* diagnosisThresholds = nullptr;
    QCheckBox* reopen = nullptr;
    QHash<QString, QPushButton*> buttons;
    QHash<QString, QLabel*> labels;
};
