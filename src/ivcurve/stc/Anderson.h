#pragma once

#include "STCAlgorithm.h"

struct AssignedModule;

namespace IVCurve {

// Anderson's method: scales voltage and current by the ratio of their STC values to the
// measured ones. With point irradiance the ratios follow the irradiance from point to point.
class Anderson : public STCAlgorithm
{
public:
    Anderson(const STCparameters& parameters, const AssignedModule& module, double isc, double voc);

    QPointF convertPoint(const CurvePoint& point, const QPointF& measured) override;

    double iscAtStc() const;
    double vocAtStc() const;

private:
    void prepare();

    const AssignedModule& module;
    const double isc;
    const double voc;
    const double alpha;
    const double beta;
    const double delta;
    double currentG;
    double alphaRelative = 0.0;
    double betaRelative = 0.0;
    double iscStc = 0.0;
    double vocStc = 0.0;
};

} // namespace IVCurve
