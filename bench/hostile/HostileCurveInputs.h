#pragma once

#include <QString>

#include <functional>

// The hostile curve files, results files for the curve import and module databases, each opened
// as the program opens it; `report` runs and prints one.
namespace HostileCurveInputs {
using Report = std::function<void(const char* what, const std::function<int()>& work)>;
void run(const QString& folder, const QString& pipe, const Report& report);
} // namespace HostileCurveInputs
