#pragma once

#include "CorrectionCoefficientFit.h"
#include "CorrectionCoefficientInput.h"
#include "CurveMessageBox.h"

#include <QDialog>
#include <QVector>

class CurveData;
class QLabel;
class QPushButton;

namespace IVCurve {

class CurveCollection;

// Rs and κ as the user's own curves of one string show them: what the fit found, how well the
// translated curves then coincide, and why a coefficient could not be found. The user keeps them
// with the curves (their Rs and κ) or with the string's module.
class CoefficientFitDialog : public QDialog
{
    Q_OBJECT

public:
    // Fits the curves, says why when nothing can be found, and otherwise shows the dialog. True
    // when the curves' settings changed, so that their STC curves are to be drawn again.
    static bool determine(QWidget* parent, const QVector<CurveData*>& curves, CurveCollection& collection);

    CoefficientFitDialog(const CorrectionCoefficientFit::Result& result, const QVector<CurveData*>& curves,
                         CurveCollection& collection, QWidget* parent = nullptr);

    static QString refusalText(CorrectionCoefficientInput::Refusal refusal);
    static QString failureText(CorrectionCoefficientFit::Failure failure);
    QString resultText() const;
    QPushButton* curvesButton() const;
    QPushButton* moduleButton() const;
    bool curvesChanged() const;

public slots:
    void slotStoreWithCurves();
    void slotStoreWithModule();

private:
    static QString coefficientLine(bool wasFound, const QString& foundText, const QString& missingText,
                                   double spread, double value);

    const CorrectionCoefficientFit::Result found;
    const QVector<CurveData*> curves;
    CurveCollection& collection;
    CurveMessageBox failureMessages {this};
    QLabel* text = nullptr;
    QPushButton* withCurves = nullptr;
    QPushButton* withModule = nullptr;
    bool changed = false;
};

} // namespace IVCurve
