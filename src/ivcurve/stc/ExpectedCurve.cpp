#include "ExpectedCurve.h"

#include "AxisCrossing.h"
#include "IEC60891Procedure2.h"
#include "IEC60891Procedure4.h"
#include "STCAlgorithm.h"

#include <cmath>

namespace IVCurve {

namespace {
constexpr double G_STC = STCAlgorithm::G_STC;
constexpr double T_STC = STCAlgorithm::T_STC;
constexpr double kelvin = 273.15;

bool allFinite(const QVector<QPointF>& points)
{
    for (const QPointF& point : points) {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
            return false;
    }
    return true;
}

template <class Translate>
QVector<QPointF> eachPoint(const QVector<QPointF>& nominal, Translate translate)
{
    QVector<QPointF> points;
    points.reserve(nominal.size());
    for (const QPointF& stc : nominal)
        points.append(translate(stc));
    return points;
}

QPointF alongTo(const QPointF& from, const QPointF& to, double share)
{
    return from + (to - from) * share;
}

// Where the points first reach zero voltage, with the current there.
QPointF shortCircuitEnd(const QVector<QPointF>& points, int& firstRight)
{
    firstRight = 0;
    while (firstRight < points.size() && points.at(firstRight).x() < 0.0)
        ++firstRight;
    if (firstRight == points.size())
        return {};
    const QPointF& first = points.at(firstRight);
    if (firstRight > 0) {
        const QPointF& before = points.at(firstRight - 1);
        return alongTo(before, first, -before.x() / (first.x() - before.x()));
    }
    double current = first.y();
    if (points.size() > 1)
        AxisCrossing::shortCircuitCurrent(first, points.at(1), current);
    return {0.0, current};
}
} // namespace

ExpectedCurve::ExpectedCurve(const STCparameters& parameters, const AssignedModule& module, double irradiance,
                             double temperature)
    : parameters(parameters)
    , module(module)
    , G(irradiance)
    , T(temperature)
{
}

bool ExpectedCurve::isPossible() const
{
    return module.moduleId != 0 && module.Voc > 0.0 && module.Isc > 0.0 && G > 0.0 && T != 0.0
        && T > -kelvin && std::isfinite(G) && std::isfinite(T);
}

QVector<QPointF> ExpectedCurve::translated(const QVector<QPointF>& nominal) const
{
    if (!isPossible() || nominal.isEmpty())
        return {};
    QVector<QPointF> points;
    switch (parameters.algorithm) {
    case int(Method::Blaesser):
        points = blaesser(nominal);
        break;
    case int(Method::IEC60891):
        points = procedure1(nominal);
        break;
    case int(Method::IEC60891Procedure2):
        points = procedure2(nominal);
        break;
    case int(Method::IEC60891Procedure4):
        points = procedure4(nominal);
        break;
    default:
        points = anderson(nominal);
        break;
    }
    return allFinite(points) ? points : QVector<QPointF>();
}

double ExpectedCurve::coefficient(const QString& text) const
{
    return STCparameters::number(text);
}

// Blässer's Voc is the string's own: the last point, carrying no current, keeps only the shift.
QVector<QPointF> ExpectedCurve::blaesser(const QVector<QPointF>& nominal) const
{
    const double deltaT = T_STC - T;
    const double currentFactor = (1.0 + coefficient(parameters.alpha) / module.Isc * deltaT) * G_STC / G;
    const double shift = coefficient(parameters.a) * std::log(G_STC / G) + coefficient(parameters.b) * deltaT;
    const double stringRs = coefficient(parameters.Rs) * module.series / module.parallel;
    const double voc = nominal.last().x() / (1.0 + shift);
    return eachPoint(nominal, [=](const QPointF& stc) {
        const double current = stc.y() / currentFactor;
        return QPointF(stc.x() - voc * shift - stringRs * (current - stc.y()), current);
    });
}

double ExpectedCurve::shortCircuitCurrentAtConditions(const QVector<QPointF>& nominal, double alpha) const
{
    return (nominal.first().y() - alpha * module.parallel * (T_STC - T)) * G / G_STC;
}

QVector<QPointF> ExpectedCurve::procedure1(const QVector<QPointF>& nominal) const
{
    const double Ns = module.series;
    const double Np = module.parallel;
    const double deltaT = T_STC - T;
    const double alpha = coefficient(parameters.alpha);
    const double beta = coefficient(parameters.beta);
    const double Rs = coefficient(parameters.Rs);
    const double kappa = coefficient(parameters.kappa);
    const double rise = shortCircuitCurrentAtConditions(nominal, alpha) * (G_STC / G - 1.0) + alpha * Np * deltaT;
    return eachPoint(nominal, [=](const QPointF& stc) {
        const double I2 = stc.y();
        const double V1 = stc.x() - Ns * (beta * deltaT - Rs * rise / Np - kappa * (I2 / Np) * deltaT);
        return QPointF(V1, I2 - rise);
    });
}

// The coefficients come from the data sheet, so the measured values they are offered go unused.
QVector<QPointF> ExpectedCurve::procedure2(const QVector<QPointF>& nominal) const
{
    const double Ns = module.series;
    const double Np = module.parallel;
    const double deltaT = T_STC - T;
    const auto c = IEC60891Procedure2::storedCoefficients(parameters, module, Np * module.Isc, Ns * module.Voc);
    const double currentFactor = (1.0 + c.alphaRelative * deltaT) * G_STC / G;
    const double shift = c.betaRelative * deltaT + c.a * std::log(G_STC / G);
    const double voc = nominal.last().x() / (1.0 + shift);
    return eachPoint(nominal, [=](const QPointF& stc) {
        const double I2 = stc.y();
        const double I1 = I2 / currentFactor;
        const double V1 = stc.x() - voc * shift + Ns * c.Rs * (I2 - I1) / Np + Ns * c.kappa * (I2 / Np) * deltaT;
        return QPointF(V1, I1);
    });
}

QVector<QPointF> ExpectedCurve::procedure4(const QVector<QPointF>& nominal) const
{
    const double Ns = module.series;
    const double Np = module.parallel;
    const double deltaT = T_STC - T;
    const auto c = IEC60891Procedure4::storedCoefficients(parameters, module, Ns * module.Voc);
    const double irradianceRise = shortCircuitCurrentAtConditions(nominal, c.alpha) * (G_STC / G - 1.0);
    const double temperatureShare = deltaT / (T + kelvin);
    const double stringBandgap = c.bandgap * c.cellsInSeries * Ns;
    return eachPoint(nominal, [=](const QPointF& stc) {
        const double irradianceVoltage = (stc.x() + temperatureShare * stringBandgap) / (1.0 + temperatureShare);
        return QPointF(irradianceVoltage + Ns * c.Rs * irradianceRise / Np,
                       stc.y() - Np * c.alpha * deltaT - irradianceRise);
    });
}

// Anderson's β is relative to the mean of the module's Voc and the string's, which is the
// expected curve's own: d2 solves d2 = L·(1 + k / (1 + d2)), a quadratic.
QVector<QPointF> ExpectedCurve::anderson(const QVector<QPointF>& nominal) const
{
    const double deltaT = T - T_STC;
    const double stringVoc = module.series * module.Voc;
    const double d1 = (1.0 + coefficient(parameters.alpha) / module.Isc * deltaT) * (G / G_STC);
    const double L = 1.0 + coefficient(parameters.delta) * std::log(G / G_STC);
    const double k = 2.0 * coefficient(parameters.beta) * module.series * deltaT / stringVoc;
    const double discriminant = (1.0 - L) * (1.0 - L) + 4.0 * L * (1.0 + k);
    if (!(d1 > 0.0) || !(discriminant >= 0.0))
        return {};
    const double d2 = (L - 1.0 + std::sqrt(discriminant)) / 2.0;
    if (!(d2 > 0.0))
        return {};
    return eachPoint(nominal, [=](const QPointF& stc) { return QPointF(stc.x() * d2, stc.y() * d1); });
}

QVector<QPointF> ExpectedCurve::betweenTheAxes(const QVector<QPointF>& points)
{
    int first = 0;
    const QPointF start = shortCircuitEnd(points, first);
    if (first == points.size())
        return {};
    QVector<QPointF> inside{start};
    for (int i = first; i < points.size(); ++i) {
        const QPointF& point = points.at(i);
        if (point.y() < 0.0) {
            const QPointF& before = inside.last();
            inside.append(alongTo(before, point, before.y() / (before.y() - point.y())));
            return inside;
        }
        if (point.x() > 0.0)
            inside.append(point);
    }
    const QPointF last = inside.last();
    if (last.y() > 0.0) {
        double voltage = last.x();
        if (inside.size() > 1)
            AxisCrossing::openCircuitVoltage(inside.at(inside.size() - 2), last, voltage);
        inside.append({voltage, 0.0});
    }
    return inside;
}

} // namespace IVCurve
