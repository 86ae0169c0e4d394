#pragma once

#include <QPointF>
#include <QVector>

namespace IVCurve {

// The series resistance Rs and curve-correction factor κ of IEC 60891 procedure 1 as the user's
// own measurements show them: curves of one string taken at different irradiances (for Rs) and
// cell temperatures (for κ) are translated to STC, and Rs and κ are the pair that makes the
// translated curves coincide best. The translated voltage at a given translated current is
// linear in Rs and κ, so the best pair solves a small least-squares problem exactly.
class CorrectionCoefficientFit
{
public:
    // Irradiances and temperatures must spread at least this far for Rs or κ to show.
    static constexpr double MinimumIrradianceSpread = 100.0;
    static constexpr double MinimumTemperatureSpread = 10.0;

    // One measured curve of the string: points from short circuit towards open circuit, the
    // irradiance (W/m²) and cell temperature (°C) it was measured at.
    struct Curve
    {
        QVector<QPointF> points;
        double irradiance = 0.0;
        double temperature = 0.0;
    };

    struct Input
    {
        QVector<Curve> curves;
        // α (A/°C) and β (V/°C) of one module, as procedure 1 uses them.
        double alpha = 0.0;
        double beta = 0.0;
        unsigned series = 1;
        unsigned parallel = 1;
        // Kept for whichever coefficient the curves cannot show (Ω and Ω/°C of one module).
        double Rs = 0.0;
        double kappa = 0.0;
    };

    enum class Failure {
        None,
        TooFewCurves,     // fewer than two curves with points and a positive irradiance
        TooLittleSpread,  // neither the irradiances nor the temperatures spread far enough
        NoCommonCurrents  // the translated curves share no range of current
    };

    struct Result
    {
        Failure failure = Failure::None;
        bool rsFound = false;
        bool kappaFound = false;
        // Of one module; those not found are the input's.
        double Rs = 0.0;
        double kappa = 0.0;
        // Root mean square distance of the translated curves from their mean, in V.
        double residual = 0.0;
    };

    static Result fit(const Input& input);

private:
    static constexpr int CurrentSteps = 20;
    // Procedure 1 is judged by the maximum power it gives, so the curves are made to coincide in
    // the band of currents around the maximum power point, as shares of the translated Isc.
    static constexpr double LowestCurrentShare = 0.85;
    static constexpr double HighestCurrentShare = 0.93;

    struct Translation;
    struct Sums;

    static QVector<Translation> translationsOf(const Input& input);
    static bool voltageAt(const QVector<QPointF>& points, double current, double& voltage);
    static bool commonCurrents(const QVector<Translation>& curves, double& lowest, double& highest);
    static Sums sumsOf(const Input& input, const QVector<Translation>& curves, double lowest, double highest);
    static void solve(const Sums& sums, Result& result);
};

} // namespace IVCurve
