#pragma once

// The PV module a string is built from and how the string is laid out. Without a module
// (moduleId 0) the data-sheet values stay 0.
struct AssignedModule
{
    unsigned moduleId = 0;
    unsigned series = 1;
    unsigned parallel = 1;
    double Voc = 0.0;
    double Isc = 0.0;
    double Vmpp = 0.0;
    double Impp = 0.0;
    double IscRef = 0.0;
    // m of the nominal curve's diode law; 0 when the data sheet does not define one.
    double shape = 0.0;
    // Cells in series in one module as the module database knows them; 0 when it does not.
    int cellsInSeries = 0;

    // Takes one module's data-sheet values and derives IscRef and the shape factor from them.
    void setDataSheet(double voc, double isc, double vmpp, double impp);
    static double shapeFactor(double voc, double isc, double vmpp, double impp);
};
