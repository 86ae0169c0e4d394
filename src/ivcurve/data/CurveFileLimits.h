#pragma once

#include <QtGlobal>

// What real curve files, results files and module lists need, with room to spare. Files beyond
// these are damaged or hostile and are refused before memory or time is spent on them. A tester
// measures a few hundred points a curve; a tree is a folder or two above the files' nodes.
namespace CurveFileLimits {
inline constexpr int maximumTreeDepth = 32;
inline constexpr int maximumTreeNodes = 100000;
inline constexpr int maximumPointsPerCurve = 100000;
// A stored point takes some 30 characters ("400.100:8.512:1000.000:0#").
inline constexpr int maximumPointsTextLength = 64 * maximumPointsPerCurve;
// A day of measurements downloaded at 9600 baud comes to a few megabytes.
inline constexpr qint64 maximumResultsFileBytes = 16 * 1024 * 1024;
// A list of empty lines costs far more than its bytes.
inline constexpr int maximumResultsLines = 100000;
inline constexpr int maximumModules = 50000;
inline constexpr int maximumModuleDescriptionLength = 500;
// Numbers of a module row, even when stored as text.
inline constexpr int maximumModuleValueLength = 64;
// Thin-film modules have a few hundred cells in series; more is no module.
inline constexpr int maximumCellsInSeries = 1000;
} // namespace CurveFileLimits
