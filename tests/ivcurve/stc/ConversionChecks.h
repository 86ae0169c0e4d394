#pragma once

#include "STCparameters.h"

#include <QPointF>
#include <QString>

// What the tests of the conversion methods share: conditions to convert from, and a comparison of
// a converted point that names both points when it fails.
namespace ConversionChecks {

IVCurve::STCparameters conditions(const QString& irradiance, const QString& temperature);
void verifyNear(const QPointF& actual, double voltage, double current, double tolerance = 1e-9);

} // namespace ConversionChecks
