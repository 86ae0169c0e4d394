#pragma once

namespace IVCurve {

// Bits that the curve import adds to the instrument's own status code of a measurement.
enum MeasurementStatus : unsigned int {
    ChecksumFailed = 0x1,
    SpreadsheetModified = 0x40,
    IrradianceSpread = 0x80,
    NoIrradiance = 0x4000000,
    NoCellTemperature = 0x8000000,
    // Bit 0x1 is the instrument's own (its code 3 is common), not a failed checksum. Other
    // programs read 0x1 as the checksum mark, so that mark stays where it is.
    InstrumentOwnsBit1 = 0x10000000
};

constexpr unsigned int ProgramStatusBits =
    SpreadsheetModified | IrradianceSpread | NoIrradiance | NoCellTemperature | InstrumentOwnsBit1;

// Files imported before InstrumentOwnsBit1 existed read bit 0x1 as the failed checksum.
constexpr bool checksumFailedIn(unsigned int status)
{
    return (status & ChecksumFailed) && !(status & InstrumentOwnsBit1);
}

// The instrument's code, when the status tells it apart from the checksum mark.
constexpr bool instrumentCodeKnown(unsigned int status)
{
    return !checksumFailedIn(status);
}

constexpr unsigned int instrumentCodeOf(unsigned int status)
{
    return status & ~ProgramStatusBits;
}

} // namespace IVCurve
