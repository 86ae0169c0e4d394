#pragma once

#include <QString>

// The name a new document of each kind receives, in the user's language.
struct DefaultFileNames
{
    QString inspectionReport;
    QString testReport;
    QString verificationCertificate;
    QString installationDiagram;
    QString checklist;
    QString curveData;

    static DefaultFileNames english();
    static DefaultFileNames german();
};
