#include "CoefficientFitDialog.h"

#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveMessageBox.h"
#include "CurveModuleDatabase.h"
#include "CurveNumberText.h"
#include "WaitCursor.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace IVCurve {

bool CoefficientFitDialog::determine(QWidget* parent, const QVector<CurveData*>& curves, CurveCollection& collection)
{
    CorrectionCoefficientFit::Input input;
    CorrectionCoefficientFit::Result result;
    {
        const WaitCursor waiting;
        const CorrectionCoefficientInput::Refusal refusal =
            CorrectionCoefficientInput::build(QVector<const CurveData*>(curves.begin(), curves.end()), input);
        if (refusal != CorrectionCoefficientInput::Refusal::None) {
            CurveMessageBox::warning(parent, refusalText(refusal));
            return false;
        }
        result = CorrectionCoefficientFit::fit(input);
    }
    if (result.failure != CorrectionCoefficientFit::Failure::None) {
        CurveMessageBox::warning(parent, failureText(result.failure));
        return false;
    }
    CoefficientFitDialog dialog(result, curves, collection, parent);
    dialog.exec();
    return dialog.curvesChanged();
}

CoefficientFitDialog::CoefficientFitDialog(const CorrectionCoefficientFit::Result& result,
                                           const QVector<CurveData*>& curves, CurveCollection& collection,
                                           QWidget* parent)
    : QDialog(parent)
    , found(result)
    , curves(curves)
    , collection(collection)
{
    setWindowTitle(tr("Determine Coefficients", "Window Title"));
    text = new QLabel(resultText());
    text->setObjectName(QStringLiteral("fitResult"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    withCurves = buttons->addButton(tr("Store with the Curves", "Button"), QDialogButtonBox::ActionRole);
    withCurves->setToolTip(tr("Convert the selected curves with these coefficients", "Tool tip hint"));
    withModule = buttons->addButton(tr("Store with the Module", "Button"), QDialogButtonBox::ActionRole);
    withModule->setToolTip(tr("Keep these coefficients with the string's module in the module database",
                              "Tool tip hint"));
    withModule->setEnabled(!curves.isEmpty() && curves.first()->module().moduleId != 0);
    connect(withCurves, &QPushButton::clicked, this, &CoefficientFitDialog::slotStoreWithCurves);
    connect(withModule, &QPushButton::clicked, this, &CoefficientFitDialog::slotStoreWithModule);
    connect(buttons, &QDialogButtonBox::rejected, this, &CoefficientFitDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // Wide enough for the buttons of the longer languages beside each other.
    setMinimumWidth(std::max(420, buttons->sizeHint().width() + 2 * layout->contentsMargins().left()));
}

QString CoefficientFitDialog::refusalText(CorrectionCoefficientInput::Refusal refusal)
{
    if (refusal == CorrectionCoefficientInput::Refusal::None)
        return QString();
    return tr("The selected curves belong to different strings: their modules or their numbers of modules in "
              "series or in parallel differ. Select curves of one string only.",
              "Error Message");
}

QString CoefficientFitDialog::failureText(CorrectionCoefficientFit::Failure failure)
{
    const QLocale locale;
    switch (failure) {
    case CorrectionCoefficientFit::Failure::None:
        break;
    case CorrectionCoefficientFit::Failure::TooFewCurves:
        return tr("Fewer than two of the selected curves have points, an irradiance and a cell temperature. Select "
                  "two or more curves of the string that were measured with both.",
                  "Error Message");
    case CorrectionCoefficientFit::Failure::TooLittleSpread:
        return tr("The selected curves were measured under too similar conditions. Measure the string at "
                  "irradiances at least %1 W/m² apart, or at cell temperatures at least %2 °C apart.",
                  "Error Message")
            .arg(locale.toString(CorrectionCoefficientFit::MinimumIrradianceSpread),
                 locale.toString(CorrectionCoefficientFit::MinimumTemperatureSpread));
    case CorrectionCoefficientFit::Failure::NoCommonCurrents:
        return tr("The selected curves, brought to STC, share no range of current near their maximum power point. "
                  "Select complete curves of one string.",
                  "Error Message");
    }
    return QString();
}

// A coefficient found with its value; one not found with why, what to do, and the value kept.
QString CoefficientFitDialog::coefficientLine(bool wasFound, const QString& foundText, const QString& missingText,
                                              double spread, double value)
{
    const QString number = CurveNumberText::userText(value);
    return wasFound ? foundText.arg(number) : missingText.arg(QLocale().toString(spread), number);
}

QString CoefficientFitDialog::resultText() const
{
    const QString rs = coefficientLine(
        found.rsFound, tr("Rs: %1 Ω (of one module)", "Label"),
        tr("Rs not found: the irradiances lie less than %1 W/m² apart; measure the string at irradiances "
           "further apart. Kept: %2 Ω",
           "Label"),
        CorrectionCoefficientFit::MinimumIrradianceSpread, found.Rs);
    const QString kappa = coefficientLine(
        found.kappaFound, tr("κ: %1 Ω/°C (of one module)", "Label"),
        tr("κ not found: the cell temperatures lie less than %1 °C apart, or changed together with the "
           "irradiance; measure the string at temperatures further apart. Kept: %2 Ω/°C",
           "Label"),
        CorrectionCoefficientFit::MinimumTemperatureSpread, found.kappa);
    const QString residual =
        tr("Residual: %1 V (how far the curves brought to STC still lie apart)", "Label")
            .arg(QLocale().toString(found.residual, 'f', 3));
    return rs + QLatin1Char('\n') + kappa + QLatin1Char('\n') + residual;
}

QPushButton* CoefficientFitDialog::curvesButton() const
{
    return withCurves;
}

QPushButton* CoefficientFitDialog::moduleButton() const
{
    return withModule;
}

bool CoefficientFitDialog::curvesChanged() const
{
    return changed;
}

// A curve whose change fails has said why; the ones before it keep theirs.
void CoefficientFitDialog::slotStoreWithCurves()
{
    const WaitCursor waiting;
    for (CurveData* curve : curves) {
        CurveData edited(*curve);
        STCparameters parameters = edited.parameters();
        parameters.Rs = CurveNumberText::userText(found.Rs);
        parameters.kappa = CurveNumberText::userText(found.kappa);
        edited.setParameters(parameters);
        if (!collection.updateDetails(edited))
            return;
        changed = true;
    }
    accept();
}

void CoefficientFitDialog::slotStoreWithModule()
{
    CurveModuleDatabase modules(&failureMessages);
    CurveModuleRow row;
    if (!modules.moduleById(curves.first()->module().moduleId, row)) {
        CurveMessageBox::warning(this, tr("The string's module is no longer in the module database.", "Error Message"));
        return;
    }
    row.Rs = found.Rs;
    row.kappa = found.kappa;
    if (modules.update(row))
        accept();
}

} // namespace IVCurve
