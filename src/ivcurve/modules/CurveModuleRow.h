#pragma once

#include <QString>

namespace IVCurve {

// One PV module of the module database: its data-sheet values at standard test conditions.
struct CurveModuleRow
{
    uint id = 0;
    QString description;
    double Isc = 0.0;
    double Voc = 0.0;
    double Imp = 0.0;
    double Vmp = 0.0;
    double alpha = 0.0;
    double beta = 0.0;
    double delta = 0.0;
    double Rs = 0.0;
    // Cells in series in one module; 0 when the data sheet is not at hand.
    int cellsInSeries = 0;
    // Curve-correction factor κ of IEC 60891, Ω/°C, as the user's measurements gave it.
    double kappa = 0.0;
    bool userModule = false;
    bool favourite = false;
};

} // namespace IVCurve
