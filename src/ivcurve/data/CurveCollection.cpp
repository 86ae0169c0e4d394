#include "CurveCollection.h"

#include "CurveData.h"
#include "CurveDatabase.h"

namespace IVCurve {

CurveCollection::CurveCollection(CurveDatabase& database)
    : database(database)
    , table(database)
{
}

CurveCollection::~CurveCollection() = default;

void CurveCollection::setModuleLookup(const ModuleLookup& lookup)
{
    moduleLookup = lookup;
}

CurveData* CurveCollection::held(int curveId) const
{
    const auto found = curves.find(curveId);
    return found == curves.end() ? nullptr : found->second.get();
}

bool CurveCollection::contains(int curveId) const
{
    return held(curveId) != nullptr;
}

CurveData* CurveCollection::curve(int curveId)
{
    if (CurveData* known = held(curveId))
        return known;
    auto loaded = std::make_unique<CurveData>();
    if (table.load(curveId, *loaded) != CurveTable::LoadResult::Loaded)
        return nullptr;
    if (loaded->module().moduleId != 0 && moduleLookup) {
        AssignedModule module = loaded->module();
        moduleLookup(module);
        loaded->setModule(module);
    }
    CurveData* result = loaded.get();
    curves[curveId] = std::move(loaded);
    return result;
}

bool CurveCollection::reportMissing(int curveId) const
{
    if (contains(curveId))
        return false;
    database.report({tr("IV curve data not found in collection", "Error Message"), QString()},
                    CurveFailureHandler::Weight::Warning);
    return true;
}

bool CurveCollection::updateDetails(const CurveData& edited)
{
    if (reportMissing(edited.curveId) || !database.checkWritable() || !table.updateDetails(edited))
        return false;
    CurveData* target = held(edited.curveId);
    target->setReadings(edited.readings());
    target->setParameters(edited.parameters());
    target->setModule(edited.module());
    return true;
}

bool CurveCollection::assignModule(int curveId, const AssignedModule& module, const STCparameters& coefficients)
{
    if (reportMissing(curveId) || !database.checkWritable())
        return false;
    CurveData changed = *held(curveId);
    STCparameters parameters = changed.parameters();
    parameters.alpha = coefficients.alpha;
    parameters.beta = coefficients.beta;
    parameters.delta = coefficients.delta;
    parameters.Rs = coefficients.Rs;
    changed.setParameters(parameters);
    AssignedModule layout = module;
    // An assignment always describes a single string; more strings are set in the details.
    layout.parallel = 1;
    changed.setModule(layout);
    if (!table.updateModule(changed))
        return false;
    *held(curveId) = std::move(changed);
    return true;
}

} // namespace IVCurve
