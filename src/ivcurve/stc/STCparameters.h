#pragma once

#include <QString>

namespace IVCurve {

// The numbers are those of the curve file's STCAlgorithm column.
enum class Method { Blaesser = 0, IEC60891 = 1, Anderson = 2, IEC60891Procedure2 = 3, IEC60891Procedure4 = 4 };

// The conversion settings of one curve. Coefficients are text in the user's locale, as the
// details dialog shows them; text that does not parse counts as 0.
struct STCparameters
{
    STCparameters();

    // New curves take the standard's method. A value that names no method converts by Anderson,
    // and so does a file's NULL, which older files hold for every curve.
    int algorithm = int(Method::IEC60891);
    QString a;
    QString b;
    QString alpha;
    QString beta;
    QString delta;
    QString kappa;
    QString Rs;
    // Procedure 4's cells in series of one module; empty while the module's data sheet or its
    // Voc is to give it.
    QString cellsInSeries;
    // Procedure 4's bandgap ε, V.
    QString bandgap;
    // The conditions the curve is converted from; set from the readings before each conversion.
    QString cellTemperature;
    QString irradiance;
    bool usePointIrradiance = false;

    // A coefficient text in the user's locale as a number; 0 when it does not parse.
    static double number(const QString& text);
    // A whole number above 0 in the user's locale; 0 when the text is none.
    static int count(const QString& text);
};

} // namespace IVCurve
