#pragma once

#include <QString>

class CurveData;

namespace IVCurve {

// The text of column CurvePoints: "V:I:G:tag" per point, C locale with 3 decimals, joined by "#".
class CurvePointsCodec
{
public:
    static QString encode(const CurveData& curve);
    // Adds the points of `text` to `curve`; fields that do not parse keep their defaults.
    static void decode(const QString& text, CurveData& curve);
};

} // namespace IVCurve
