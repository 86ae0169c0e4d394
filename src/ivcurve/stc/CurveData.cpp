#include "CurveData.h"

#include "Anderson.h"
#include "AxisCrossing.h"
#include "Blaesser.h"
#include "CurveNumberText.h"
#include "ExpectedCurve.h"
#include "IEC60891.h"
#include "IEC60891Procedure2.h"
#include "IEC60891Procedure4.h"

#include <cmath>

namespace {
constexpr int NominalSteps = 127;

double readingOr(const QString& text, double fallback)
{
    double value = 0.0;
    return IVCurve::CurveNumberText::parseUser(text, value) ? value : fallback;
}

// A reading text as the converter's condition, or the STC value when it does not parse.
QString conditionOr(const QString& text, const QString& fallback)
{
    double value = 0.0;
    return IVCurve::CurveNumberText::parseUser(text, value) ? text : fallback;
}
} // namespace

CurveData::CurveData(const CurveData& other)
    : curveId(other.curveId)
    , pointList(other.pointList)
    , infoList(other.infoList)
    , largestVoltage(other.largestVoltage)
    , largestCurrent(other.largestCurrent)
    , firstPointIrradiance(other.firstPointIrradiance)
    , smallestIrradiance(other.smallestIrradiance)
    , largestIrradiance(other.largestIrradiance)
    , mppPosition(other.mppPosition)
    , openCircuit(other.openCircuit)
    , extrapolation(other.extrapolation)
    , measured(other.measured)
    , settings(other.settings)
    , assigned(other.assigned)
{
}

CurveData& CurveData::operator=(const CurveData& other)
{
    if (this != &other) {
        CurveData copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CurveData::~CurveData() = default;

void CurveData::addPoint(double voltage, double current, double irradiance, int tag)
{
    const int index = pointList.size();
    pointList.append(QPointF(voltage, current));
    infoList.append(CurvePoint{index, irradiance, tag});
    if (irradiance > largestIrradiance)
        largestIrradiance = irradiance;
    if (irradiance != 0.0 && (smallestIrradiance == 0.0 || smallestIrradiance > irradiance))
        smallestIrradiance = irradiance;
    largestVoltage = std::max(largestVoltage, voltage);
    largestCurrent = std::max(largestCurrent, current);
    if (irradiance != 0.0 && firstPointIrradiance == 1000.0)
        firstPointIrradiance = irradiance;
    if (mppPosition < 0 || mppPosition >= index || voltage * current > pmpp())
        mppPosition = index;
    dropDerivedCurves();
}

void CurveData::reserve(int count)
{
    pointList.reserve(count);
    infoList.reserve(count);
}

const QVector<QPointF>& CurveData::points() const
{
    return pointList;
}

const QVector<CurvePoint>& CurveData::pointInfo() const
{
    return infoList;
}

bool CurveData::isEmpty() const
{
    return pointList.isEmpty();
}

double CurveData::maxV() const
{
    return largestVoltage;
}

double CurveData::maxI() const
{
    return largestCurrent;
}

double CurveData::firstIrradiance() const
{
    return firstPointIrradiance;
}

double CurveData::minIrradiance() const
{
    return smallestIrradiance;
}

double CurveData::maxIrradiance() const
{
    return largestIrradiance;
}

int CurveData::mppIndex() const
{
    return mppPosition;
}

QPointF CurveData::mpp() const
{
    if (mppPosition < 0 || mppPosition >= pointList.size())
        return {};
    return pointList.at(mppPosition);
}

double CurveData::pmpp() const
{
    const QPointF point = mpp();
    return point.x() * point.y();
}

bool CurveData::hasIrradianceSpread() const
{
    return 0.9 * largestIrradiance > smallestIrradiance;
}

CurveData::OpenCircuitEnd CurveData::openCircuitEnd() const
{
    return openCircuit;
}

double CurveData::extrapolatedVoltage() const
{
    return extrapolation;
}

const CurveReadings& CurveData::readings() const
{
    return measured;
}

void CurveData::setReadings(const CurveReadings& readings)
{
    measured = readings;
    settings.usePointIrradiance = readings.fileVersion > 0;
    dropDerivedCurves();
}

const IVCurve::STCparameters& CurveData::parameters() const
{
    return settings;
}

void CurveData::setParameters(const IVCurve::STCparameters& parameters)
{
    settings = parameters;
    // Whether the points carry their irradiance is a fact of the file, not a setting.
    settings.usePointIrradiance = measured.fileVersion > 0;
    dropDerivedCurves();
}

const AssignedModule& CurveData::module() const
{
    return assigned;
}

void CurveData::setModule(const AssignedModule& module)
{
    assigned = module;
    dropDerivedCurves();
}

void CurveData::dropDerivedCurves()
{
    converted.reset();
    nominal.reset();
    expected.reset();
}

double CurveData::firstPointCurrent() const
{
    return pointList.isEmpty() ? largestCurrent : pointList.first().y();
}

std::unique_ptr<IVCurve::STCAlgorithm> CurveData::makeAlgorithm()
{
    using namespace IVCurve;
    settings.irradiance = conditionOr(measured.irradiance, QStringLiteral("1000"));
    settings.cellTemperature = conditionOr(conversionTemperature(), QStringLiteral("25"));

    switch (settings.algorithm) {
    case int(Method::Blaesser):
        return std::make_unique<Blaesser>(settings, assigned, readingOr(measured.isc, largestCurrent),
                                          readingOr(measured.voc, largestVoltage));
    case int(Method::IEC60891):
        return std::make_unique<IEC60891>(settings, assigned, firstPointCurrent(), firstPointIrradiance);
    case int(Method::IEC60891Procedure2): {
        const double voc = readingOr(measured.voc, largestVoltage);
        const auto stored = IEC60891Procedure2::storedCoefficients(settings, assigned, firstPointCurrent(), voc);
        return std::make_unique<IEC60891Procedure2>(settings, assigned, stored, voc);
    }
    case int(Method::IEC60891Procedure4): {
        const auto stored = IEC60891Procedure4::storedCoefficients(settings, assigned, readingOr(measured.voc, largestVoltage));
        return std::make_unique<IEC60891Procedure4>(settings, assigned, stored, firstPointCurrent());
    }
    default:
        return std::make_unique<Anderson>(settings, assigned, firstPointCurrent(), largestVoltage);
    }
}

// Every method's temperature coefficients describe the cells. Blässer's method falls back to the
// ambient temperature, which older instruments give alone; the others to STC.
const QString& CurveData::conversionTemperature() const
{
    double value = 0.0;
    const bool ambientStandsIn = settings.algorithm == int(IVCurve::Method::Blaesser)
        && !IVCurve::CurveNumberText::parseUser(measured.cellTemp, value);
    return ambientStandsIn ? measured.ambientTemp : measured.cellTemp;
}

const CurveData& CurveData::stcCurve(bool extendToAxes)
{
    if (!converted)
        converted = std::make_unique<CurveData>();
    if (converted->isEmpty())
        buildStcCurve(*converted, extendToAxes);
    return *converted;
}

void CurveData::buildStcCurve(CurveData& target, bool extendToAxes)
{
    if (pointList.isEmpty())
        return;
    const QVector<QPointF> converted = convertedPoints();
    target.reserve(converted.size() + 2);
    if (extendToAxes)
        addShortCircuitPoint(target, converted, infoList.first().irradiance);
    for (int i = 0; i < converted.size(); ++i)
        target.addPoint(converted.at(i).x(), converted.at(i).y(), infoList.at(i).irradiance);
    if (extendToAxes)
        addOpenCircuitPoint(target, converted, infoList.last().irradiance);
}

QVector<QPointF> CurveData::convertedPoints()
{
    const std::unique_ptr<IVCurve::STCAlgorithm> converter = makeAlgorithm();
    QVector<QPointF> converted;
    converted.reserve(infoList.size());
    for (const CurvePoint& info : qAsConst(infoList))
        converted.append(converter->convertPoint(info, pointList.at(info.index)));
    return converted;
}

void CurveData::addShortCircuitPoint(CurveData& target, const QVector<QPointF>& converted, double irradiance)
{
    const QPointF& first = converted.first();
    if (!(first.x() > 0.0))
        return;
    double current = first.y();
    if (converted.size() > 1)
        IVCurve::AxisCrossing::shortCircuitCurrent(first, converted.at(1), current);
    target.addPoint(0.0, current, irradiance);
}

void CurveData::addOpenCircuitPoint(CurveData& target, const QVector<QPointF>& converted, double irradiance)
{
    const QPointF& last = converted.last();
    if (!(last.y() > 0.0))
        return;
    double voltage = last.x();
    const bool extrapolated = converted.size() > 1
        && IVCurve::AxisCrossing::openCircuitVoltage(converted.at(converted.size() - 2), last, voltage);
    target.addPoint(voltage, 0.0, irradiance);
    target.openCircuit = extrapolated ? OpenCircuitEnd::Extrapolated : OpenCircuitEnd::Dropped;
    target.extrapolation = voltage - last.x();
}

const CurveData& CurveData::nominalCurve()
{
    if (!nominal)
        nominal = std::make_unique<CurveData>();
    if (nominal->isEmpty())
        buildNominalCurve(*nominal);
    return *nominal;
}

// The diode law through Isc, the maximum power point and Voc of one module, scaled to the string.
void CurveData::buildNominalCurve(CurveData& target) const
{
    const AssignedModule& m = assigned;
    if (!(m.Voc > 0.0))
        return;
    const double Ns = m.series;
    const double Np = m.parallel;
    const double step = m.Voc / double(NominalSteps);
    target.reserve(NominalSteps + 1);
    bool mppForced = false;
    double v = 0.0;
    for (int i = 0; i < NominalSteps; ++i) {
        if (!mppForced && v > m.Vmpp) {
            target.mppPosition = i;
            mppForced = true;
        }
        double current = 0.0;
        if (m.shape != 0.0)
            current = Np * (m.Isc - m.IscRef * std::exp(-m.Voc / m.shape) * std::expm1(v / m.shape));
        target.addPoint(Ns * v, current, 0.0);
        v += step;
    }
    target.addPoint(Ns * m.Voc, 0.0, 0.0);
}

const CurveData& CurveData::expectedCurve()
{
    if (!expected)
        expected = std::make_unique<CurveData>();
    if (expected->isEmpty())
        buildExpectedCurve(*expected);
    return *expected;
}

// A reading that does not parse stays 0, which the expected curve takes for a missing one: unlike
// the conversion, which falls back to STC, an expectation at made-up conditions would mislead.
void CurveData::buildExpectedCurve(CurveData& target)
{
    const IVCurve::ExpectedCurve translation(settings, assigned, readingOr(measured.irradiance, 0.0),
                                             readingOr(conversionTemperature(), 0.0));
    if (!translation.isPossible())
        return;
    const QVector<QPointF> points =
        IVCurve::ExpectedCurve::betweenTheAxes(translation.translated(nominalCurve().points()));
    target.reserve(points.size());
    for (const QPointF& point : points)
        target.addPoint(point.x(), point.y(), 0.0);
}

bool CurveData::performanceFactor(double& factor)
{
    const double expectedPmpp = expectedCurve().pmpp();
    if (!(expectedPmpp > 0.0) || isEmpty())
        return false;
    factor = pmpp() / expectedPmpp;
    return true;
}
