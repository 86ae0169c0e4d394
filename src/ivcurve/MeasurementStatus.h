#pragma once

namespace IVCurve {

// Bits that the curve import adds to the instrument's own status code of a measurement.
enum MeasurementStatus : unsigned int {
    ChecksumFailed = 0x1,
    SpreadsheetModified = 0x40,
    IrradianceSpread = 0x80,
    NoIrradiance = 0x4000000,
    NoCellTemperature = 0x8000000
};

} // namespace IVCurve
