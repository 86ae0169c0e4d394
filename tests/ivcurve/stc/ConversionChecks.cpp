#include "ConversionChecks.h"

#include <QTest>

#include <cmath>

namespace ConversionChecks {

IVCurve::STCparameters conditions(const QString& irradiance, const QString& temperature)
{
    IVCurve::STCparameters parameters;
    parameters.irradiance = irradiance;
    parameters.cellTemperature = temperature;
    return parameters;
}

void verifyNear(const QPointF& actual, double voltage, double current, double tolerance)
{
    if (std::abs(actual.x() - voltage) > tolerance || std::abs(actual.y() - current) > tolerance)
        QFAIL(qPrintable(QStringLiteral("(%1, %2) is not (%3, %4)")
                             .arg(actual.x(), 0, 'g', 12).arg(actual.y(), 0, 'g', 12)
                             .arg(voltage, 0, 'g', 12).arg(current, 0, 'g', 12)));
}

} // namespace ConversionChecks
