#include "CurveModuleAssignment.h"

#include "AssignedModule.h"
#include "CurveData.h"
#include "CurveModuleDatabase.h"
#include "CurveNumberText.h"
#include "STCparameters.h"

namespace IVCurve {

namespace {
void takeDataSheet(AssignedModule& assigned, const CurveModuleRow& module)
{
    assigned.setDataSheet(module.Voc, module.Isc, module.Vmp, module.Imp);
    assigned.cellsInSeries = module.cellsInSeries;
}

// κ is kept with a module only when the user determined it; a module without one leaves each
// curve its own.
bool takeKappa(CurveCollection& curves, int curveId, const CurveModuleRow& module)
{
    if (module.kappa == 0.0)
        return true;
    CurveData edited = *curves.curve(curveId);
    STCparameters parameters = edited.parameters();
    parameters.kappa = CurveNumberText::userText(module.kappa);
    edited.setParameters(parameters);
    return curves.updateDetails(edited);
}
} // namespace

CurveCollection::ModuleLookup CurveModuleAssignment::databaseLookup(CurveFailureHandler* failures)
{
    return [failures](AssignedModule& assigned) { CurveModuleDatabase(failures).lookUpDataSheet(assigned); };
}

AssignedModule CurveModuleAssignment::layout(const CurveModuleRow& module, unsigned series)
{
    AssignedModule assigned;
    assigned.moduleId = module.id;
    assigned.series = series;
    assigned.parallel = 1;
    takeDataSheet(assigned, module);
    return assigned;
}

QList<int> CurveModuleAssignment::assign(CurveCollection& curves, const QList<int>& curveIds,
                                         const CurveModuleRow& module, unsigned series)
{
    STCparameters coefficients;
    coefficients.alpha = CurveNumberText::userText(module.alpha);
    coefficients.beta = CurveNumberText::userText(module.beta);
    coefficients.delta = CurveNumberText::userText(module.delta);
    coefficients.Rs = CurveNumberText::userText(module.Rs);
    const AssignedModule layoutOfString = layout(module, series);
    QList<int> assigned;
    for (int curveId : curveIds) {
        if (curves.curve(curveId) && curves.assignModule(curveId, layoutOfString, coefficients)
            && takeKappa(curves, curveId, module))
            assigned.append(curveId);
    }
    return assigned;
}

} // namespace IVCurve
