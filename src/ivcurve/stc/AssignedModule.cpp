#include "AssignedModule.h"

#include <cmath>

void AssignedModule::setDataSheet(double voc, double isc, double vmpp, double impp)
{
    Voc = voc;
    Isc = isc;
    Vmpp = vmpp;
    Impp = impp;
    IscRef = isc;
    shape = shapeFactor(voc, isc, vmpp, impp);
}

double AssignedModule::shapeFactor(double voc, double isc, double vmpp, double impp)
{
    if (impp == 0.0 || isc == 0.0 || impp == isc)
        return 0.0;
    // Impp above Isc is no real module: the logarithm would be undefined.
    const double remaining = 1.0 - impp / isc;
    if (remaining <= 0.0)
        return 0.0;
    const double m = (vmpp - voc) / std::log(remaining);
    return std::isfinite(m) ? m : 0.0;
}
