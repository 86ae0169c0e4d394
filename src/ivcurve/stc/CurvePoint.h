#pragma once

// What a curve keeps beside each (V, I) pair: where the pair sits in the curve's point list, the
// irradiance measured with it and a tag that is stored with the point and otherwise unused.
struct CurvePoint
{
    int index = 0;
    // W/m²; 0 when the instrument gave none for this point.
    double irradiance = 0.0;
    int tag = 0;
};
