#pragma once

#include <QString>

// The instrument's single readings taken with a curve. The measured numbers are text in the
// user's locale, as the user sees and edits them; an empty text means "not measured".
struct CurveReadings
{
    int memLocation = 0;
    // ISO 8601: date, and "T" with the time when it is known; empty when unknown.
    QString testDate;
    QString testerSerNo;
    QString irradiance;
    QString ambientTemp;
    QString cellTemp;
    QString voc;
    QString isc;
    QString riso;
    QString viso;
    QString iclamp;
    QString rpe;
    QString ff;
    QString vmp;
    QString imp;
    // Format number of the instrument file the curve came from; above 0 the points carry their
    // own irradiance.
    int fileVersion = 0;
};
