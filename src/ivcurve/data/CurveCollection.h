#pragma once

#include "CurveTable.h"
#include "STCparameters.h"

#include <QCoreApplication>

#include <functional>
#include <map>
#include <memory>

struct AssignedModule;
class CurveData;
class CurveDatabase;

namespace IVCurve {

// The curves of one document that have been shown, each loaded once by its CurveID and kept
// until the document closes. Changes to a curve go to the file and to the curve in memory alike,
// or, when the file may not be written, to neither.
class CurveCollection
{
    Q_DECLARE_TR_FUNCTIONS(CurveCollection)

public:
    // Fills in a module's data-sheet values from its id; may leave it without them.
    using ModuleLookup = std::function<void(AssignedModule& module)>;

    explicit CurveCollection(CurveDatabase& database);
    ~CurveCollection();

    void setModuleLookup(const ModuleLookup& lookup);

    // Loads on first use; nullptr when the file has no such curve or cannot be read.
    CurveData* curve(int curveId);
    bool contains(int curveId) const;

    // Writes the settings and conditions of `edited` to the file and to the held curve of the
    // same id, whose converted and nominal curves are then rebuilt on next use.
    bool updateDetails(const CurveData& edited);
    // Assigns `module`, as one string in parallel, with the coefficients alpha, beta, delta and Rs
    // of `coefficients`.
    bool assignModule(int curveId, const AssignedModule& module, const STCparameters& coefficients);

private:
    CurveData* held(int curveId) const;
    bool reportMissing(int curveId) const;

    CurveDatabase& database;
    CurveTable table;
    ModuleLookup moduleLookup;
    std::map<int, std::unique_ptr<CurveData>> curves;
};

} // namespace IVCurve
