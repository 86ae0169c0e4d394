#pragma once

#include "CurveStringLines.h"

namespace IVCurve {

// Where the plot gets the curves of a string from: the document's curves and tree, or, in
// tests and benchmarks, prepared points.
class CurveSource
{
public:
    virtual ~CurveSource() = default;
    // False when the string has no curve that can be shown.
    virtual bool stringLines(uint stringId, CurveStringLines& lines) = 0;
};

} // namespace IVCurve
