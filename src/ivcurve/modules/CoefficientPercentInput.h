#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace IVCurve {

// Lets the user give a temperature coefficient in percent per degree, as data sheets often do:
// α as a percentage of Isc, β as a percentage of Voc.
class CoefficientPercentInput
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CoefficientPercentInput)

public:
    enum Coefficient { Alpha, Beta };

    // `referenceText` is the Isc (for α) or Voc (for β) as typed in the user's locale. On OK
    // `coefficientText` becomes the coefficient in A/°C or V/°C; otherwise it stays as it was.
    static bool ask(QWidget* parent, Coefficient coefficient, const QString& referenceText, QString& coefficientText);

private:
    static bool readPercentage(QWidget* parent, Coefficient coefficient, const QString& text, double& percentage);
};

} // namespace IVCurve
