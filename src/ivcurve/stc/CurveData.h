#pragma once

#include "AssignedModule.h"
#include "CurvePoint.h"
#include "CurveReadings.h"
#include "STCparameters.h"

#include <QPointF>
#include <QVector>

#include <memory>

namespace IVCurve {
class STCAlgorithm;
}

// One IV curve in memory: its points in measurement order with their summary values, the
// readings taken with it, its conversion settings and its module. The converted and nominal
// curves are built on first use and dropped whenever anything they depend on changes.
class CurveData
{
public:
    CurveData() = default;
    // A copy rebuilds its own converted and nominal curves when asked for them.
    CurveData(const CurveData& other);
    CurveData& operator=(const CurveData& other);
    CurveData(CurveData&&) noexcept = default;
    CurveData& operator=(CurveData&&) noexcept = default;
    ~CurveData();

    // 0 until the curve is stored.
    int curveId = 0;

    // The only way points enter a curve; keeps the summary values up to date.
    void addPoint(double voltage, double current, double irradiance, int tag = 0);
    // Room for `count` points, so that adding them does not grow the lists step by step.
    void reserve(int count);
    const QVector<QPointF>& points() const;
    const QVector<CurvePoint>& pointInfo() const;
    bool isEmpty() const;

    double maxV() const;
    double maxI() const;
    double firstIrradiance() const;
    // Smallest non-zero point irradiance, 0 when no point had one.
    double minIrradiance() const;
    double maxIrradiance() const;
    // Index of the maximum power point, -1 without points.
    int mppIndex() const;
    // The point at mppIndex; (0, 0) without points.
    QPointF mpp() const;
    double pmpp() const;
    // True when the point irradiances spread by more than 10 %.
    bool hasIrradianceSpread() const;

    // How a curve converted with extendToAxes reaches zero current at its end.
    enum class OpenCircuitEnd {
        Measured,     // its last point carries no current, or it was not extended
        Extrapolated, // along the line through its last two points
        Dropped       // straight down, because that line does not reach the axis near enough
    };
    OpenCircuitEnd openCircuitEnd() const;
    // The voltage the extrapolation added beyond the last converted point; 0 unless Extrapolated.
    double extrapolatedVoltage() const;

    const CurveReadings& readings() const;
    void setReadings(const CurveReadings& readings);
    const IVCurve::STCparameters& parameters() const;
    void setParameters(const IVCurve::STCparameters& parameters);
    const AssignedModule& module() const;
    void setModule(const AssignedModule& module);

    // A converter for the curve's method, fed with the measured conditions and values.
    std::unique_ptr<IVCurve::STCAlgorithm> makeAlgorithm();
    // Built once; a later call returns the same curve whatever it asks for.
    const CurveData& stcCurve(bool extendToAxes);
    // The string's curve from the module's data sheet; empty without a module.
    const CurveData& nominalCurve();
    // The nominal curve at the measured irradiance and cell temperature (ExpectedCurve), ending on
    // both axes; empty without a module or without both readings.
    const CurveData& expectedCurve();
    // Measured Pmpp over the expected curve's Pmpp; false, with `factor` untouched, when there is
    // no expected power to compare with.
    bool performanceFactor(double& factor);

private:
    void dropDerivedCurves();
    void buildStcCurve(CurveData& target, bool extendToAxes);
    QVector<QPointF> convertedPoints();
    static void addShortCircuitPoint(CurveData& target, const QVector<QPointF>& converted, double irradiance);
    static void addOpenCircuitPoint(CurveData& target, const QVector<QPointF>& converted, double irradiance);
    void buildNominalCurve(CurveData& target) const;
    void buildExpectedCurve(CurveData& target);
    double firstPointCurrent() const;
    const QString& conversionTemperature() const;

    QVector<QPointF> pointList;
    QVector<CurvePoint> infoList;
    double largestVoltage = 0.0;
    double largestCurrent = 0.0;
    double firstPointIrradiance = 1000.0;
    double smallestIrradiance = 0.0;
    double largestIrradiance = 0.0;
    int mppPosition = -1;
    OpenCircuitEnd openCircuit = OpenCircuitEnd::Measured;
    double extrapolation = 0.0;

    CurveReadings measured;
    IVCurve::STCparameters settings;
    AssignedModule assigned;
    std::unique_ptr<CurveData> converted;
    std::unique_ptr<CurveData> nominal;
    std::unique_ptr<CurveData> expected;
};
