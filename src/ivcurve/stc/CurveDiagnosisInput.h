#pragma once

#include <QPointF>
#include <QVector>

namespace IVCurve {

// What the diagnosis of one string's curve reads. Powers are those of the whole string, in W;
// 0 stands for "unknown" and leaves out the findings that need the value.
struct CurveDiagnosisInput
{
    // The measured points in measurement order, from short circuit towards open circuit.
    QVector<QPointF> points;
    // W/m² during the measurement; 0 when not measured.
    double irradiance = 0.0;
    // °C of the cells during the measurement; STC's when not measured.
    double cellTemperature = 25.0;
    // The import's irradiance spread bit (the points' irradiance spread by more than 10 %).
    bool irradianceSpread = false;
    // Maximum power expected at the measured conditions (that of the expected curve).
    double expectedPmpp = 0.0;
    // Maximum power of the curve converted to STC, and the string's data-sheet maximum power.
    double stcPmpp = 0.0;
    double nominalPmpp = 0.0;
    // Series resistance of one module (the module database's Rs), Ω.
    double moduleRs = 0.0;
    unsigned series = 1;
    unsigned parallel = 1;
    // Cells in series in one module; 0 when unknown.
    int cellsInSeries = 0;
    // Power at STC of the other strings in the same folder with the same module and layout.
    QVector<double> siblingStcPmpps;
};

} // namespace IVCurve
