#pragma once

#include <QLatin1String>

// Names and codes of the instrument's results file that the reader, the import dialog and the
// importer into reports agree on.
namespace ResultsCsv {

// Not constexpr: QLatin1String counts its text with strlen, which only GCC folds at compile time.
inline const QLatin1String TestTypeColumn("TestType");
// The curve points start here; the header leaves this name out.
inline const QLatin1String CurveColumn("IVCurve");
inline const QLatin1String StatusCodeColumn("StatusCode");
inline const QLatin1String ChecksumColumn("Checksum");

enum TestType : uint {
    Continuity = 1,
    AutoTest = 2,
    PositiveEarthInsulation = 4,
    NegativeEarthInsulation = 8,
    AutoTestAndCurve = 16
};

} // namespace ResultsCsv
