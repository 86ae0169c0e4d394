#include "CorrectionCoefficientFit.h"

#include <algorithm>
#include <cmath>

namespace IVCurve {

namespace {
constexpr double stcIrradiance = 1000.0;
constexpr double stcTemperature = 25.0;

// One row of the least-squares problem: the translated voltage y − Rs·x1 − κ·x2, already taken
// relative to the mean of its row.
struct Sample
{
    double y = 0.0;
    double x1 = 0.0;
    double x2 = 0.0;
};
} // namespace

// What procedure 1 does to one curve apart from Rs and κ.
struct CorrectionCoefficientFit::Translation
{
    const Curve* curve = nullptr;
    double currentRise = 0.0;
    double deltaT = 0.0;
};

struct CorrectionCoefficientFit::Sums
{
    double x1x1 = 0.0;
    double x1x2 = 0.0;
    double x2x2 = 0.0;
    double x1y = 0.0;
    double x2y = 0.0;
    QVector<Sample> samples;

    void add(const QVector<Sample>& row)
    {
        Sample mean;
        for (const Sample& sample : row) {
            mean.y += sample.y / row.size();
            mean.x1 += sample.x1 / row.size();
            mean.x2 += sample.x2 / row.size();
        }
        for (const Sample& sample : row) {
            const Sample centred{sample.y - mean.y, sample.x1 - mean.x1, sample.x2 - mean.x2};
            x1x1 += centred.x1 * centred.x1;
            x1x2 += centred.x1 * centred.x2;
            x2x2 += centred.x2 * centred.x2;
            x1y += centred.x1 * centred.y;
            x2y += centred.x2 * centred.y;
            samples.append(centred);
        }
    }

    double rootMeanSquare(double Rs, double kappa) const
    {
        double sum = 0.0;
        for (const Sample& sample : samples) {
            const double distance = sample.y - Rs * sample.x1 - kappa * sample.x2;
            sum += distance * distance;
        }
        return std::sqrt(sum / samples.size());
    }
};

CorrectionCoefficientFit::Result CorrectionCoefficientFit::fit(const Input& input)
{
    Result result;
    result.Rs = input.Rs;
    result.kappa = input.kappa;
    const QVector<Translation> curves = translationsOf(input);
    if (curves.size() < 2) {
        result.failure = Failure::TooFewCurves;
        return result;
    }
    const auto [fewestG, mostG] = std::minmax_element(curves.begin(), curves.end(), [](auto& a, auto& b) {
        return a.curve->irradiance < b.curve->irradiance;
    });
    const auto [fewestT, mostT] = std::minmax_element(curves.begin(), curves.end(), [](auto& a, auto& b) {
        return a.deltaT < b.deltaT;
    });
    result.rsFound = mostG->curve->irradiance - fewestG->curve->irradiance >= MinimumIrradianceSpread;
    result.kappaFound = mostT->deltaT - fewestT->deltaT >= MinimumTemperatureSpread;
    if (!result.rsFound && !result.kappaFound) {
        result.failure = Failure::TooLittleSpread;
        return result;
    }
    double lowest = 0.0;
    double highest = 0.0;
    const Sums sums = commonCurrents(curves, lowest, highest) ? sumsOf(input, curves, lowest, highest) : Sums();
    if (sums.samples.isEmpty()) {
        result.failure = Failure::NoCommonCurrents;
        return result;
    }
    solve(sums, result);
    return result;
}

QVector<CorrectionCoefficientFit::Translation> CorrectionCoefficientFit::translationsOf(const Input& input)
{
    QVector<Translation> translations;
    for (const Curve& curve : input.curves) {
        if (curve.points.size() < 2 || !(curve.irradiance > 0.0))
            continue;
        Translation translation;
        translation.curve = &curve;
        translation.deltaT = stcTemperature - curve.temperature;
        translation.currentRise = curve.points.first().y() * (stcIrradiance / curve.irradiance - 1.0)
            + input.alpha * input.parallel * translation.deltaT;
        translations.append(translation);
    }
    return translations;
}

// Searched from the open-circuit end, where the current falls steeply and noise cannot make it
// cross the same level twice.
bool CorrectionCoefficientFit::voltageAt(const QVector<QPointF>& points, double current, double& voltage)
{
    for (int i = points.size() - 1; i > 0; --i) {
        const QPointF& lower = points.at(i);
        const QPointF& higher = points.at(i - 1);
        if (higher.y() > lower.y() && current >= lower.y() && current <= higher.y()) {
            voltage = lower.x() + (higher.x() - lower.x()) * (current - lower.y()) / (higher.y() - lower.y());
            return true;
        }
    }
    return false;
}

bool CorrectionCoefficientFit::commonCurrents(const QVector<Translation>& curves, double& lowest, double& highest)
{
    double bottom = -HUGE_VAL;
    double top = HUGE_VAL;
    for (const Translation& translation : curves) {
        const auto [least, most] = std::minmax_element(
            translation.curve->points.begin(), translation.curve->points.end(),
            [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        bottom = std::max(bottom, least->y() + translation.currentRise);
        top = std::min(top, most->y() + translation.currentRise);
    }
    lowest = std::max(bottom, LowestCurrentShare * top);
    highest = HighestCurrentShare * top;
    return highest > lowest;
}

CorrectionCoefficientFit::Sums CorrectionCoefficientFit::sumsOf(const Input& input,
                                                                const QVector<Translation>& curves,
                                                                double lowest, double highest)
{
    const double Ns = input.series;
    const double Np = input.parallel;
    Sums sums;
    for (int step = 0; step <= CurrentSteps; ++step) {
        const double translated = lowest + (highest - lowest) * step / CurrentSteps;
        QVector<Sample> row;
        for (const Translation& translation : curves) {
            double measuredVoltage = 0.0;
            if (!voltageAt(translation.curve->points, translated - translation.currentRise, measuredVoltage))
                break;
            Sample sample;
            sample.y = measuredVoltage + Ns * input.beta * translation.deltaT;
            sample.x1 = Ns * translation.currentRise / Np;
            sample.x2 = Ns * translated * translation.deltaT / Np;
            row.append(sample);
        }
        if (row.size() == curves.size())
            sums.add(row);
    }
    return sums;
}

void CorrectionCoefficientFit::solve(const Sums& sums, Result& result)
{
    const double determinant = sums.x1x1 * sums.x2x2 - sums.x1x2 * sums.x1x2;
    // Curves whose irradiance and temperature changed in step cannot tell Rs from κ.
    if (result.rsFound && result.kappaFound && !(determinant > 1e-9 * sums.x1x1 * sums.x2x2))
        result.kappaFound = false;
    if (result.rsFound && result.kappaFound) {
        result.Rs = (sums.x1y * sums.x2x2 - sums.x2y * sums.x1x2) / determinant;
        result.kappa = (sums.x2y * sums.x1x1 - sums.x1y * sums.x1x2) / determinant;
    } else if (result.rsFound && sums.x1x1 > 0.0) {
        result.Rs = (sums.x1y - result.kappa * sums.x1x2) / sums.x1x1;
    } else if (result.kappaFound && sums.x2x2 > 0.0) {
        result.kappa = (sums.x2y - result.Rs * sums.x1x2) / sums.x2x2;
    }
    result.residual = sums.rootMeanSquare(result.Rs, result.kappa);
}

} // namespace IVCurve
