#pragma once

#include "CurveCollection.h"
#include "CurveFailureHandler.h"
#include "CurveModuleRow.h"

#include <QList>

struct AssignedModule;

namespace IVCurve {

// Joins the module database to the curves of a document: a loaded curve learns its module's
// data-sheet values, and a chosen module is assigned to curves with its coefficients.
class CurveModuleAssignment
{
public:
    // For CurveCollection::setModuleLookup. An id that is not in the database leaves the module
    // without data-sheet values, so that the curve converts as if it had none.
    static CurveCollection::ModuleLookup databaseLookup(CurveFailureHandler* failures);
    // `module` with `series` modules in series and one string.
    static AssignedModule layout(const CurveModuleRow& module, unsigned series);
    // Gives each curve the module, its α, β, δ, Rs and any κ, `series` in series and one string, in
    // the file and in memory. A curve that cannot be loaded, or whose change fails (its message
    // was shown), is passed over and the others still get the module. The ids that got it.
    static QList<int> assign(CurveCollection& curves, const QList<int>& curveIds, const CurveModuleRow& module,
                             unsigned series);
};

} // namespace IVCurve
