#pragma once

#include "CurvePoint.h"

#include <QPointF>

namespace IVCurve {

struct STCparameters;

// Converts the points of one curve to standard test conditions. A converter is made for one run
// over a curve's points in measurement order and may remember what earlier points told it.
class STCAlgorithm
{
public:
    static constexpr double G_STC = 1000.0;
    static constexpr double T_STC = 25.0;

    explicit STCAlgorithm(const STCparameters& parameters);
    virtual ~STCAlgorithm() = default;
    STCAlgorithm(const STCAlgorithm&) = delete;
    STCAlgorithm& operator=(const STCAlgorithm&) = delete;

    // `measured` is the (V, I) pair that `point` describes.
    virtual QPointF convertPoint(const CurvePoint& point, const QPointF& measured) = 0;

    // The conditions read from the parameters: unparsable or 0 fall back to STC.
    double irradiance() const;
    double temperature() const;
    static double irradianceOf(const STCparameters& parameters);

protected:
    const STCparameters& parameters;
    const double G;
    const double T;
};

} // namespace IVCurve
