#include "DefaultFileNames.h"

DefaultFileNames DefaultFileNames::english()
{
    return {QStringLiteral("Inspection Report.arvir"),        QStringLiteral("Array Test Report.arvatr"),
            QStringLiteral("Verification Certificate.arvvc"), QStringLiteral("Installation Diagram.arvid"),
            QStringLiteral("Checklist.arvchk"),               QStringLiteral("Curve Data.arvcrv")};
}

DefaultFileNames DefaultFileNames::german()
{
    return {QStringLiteral("Prüfbericht Besichtigung.arvir"), QStringLiteral("Prüfbericht PV-Generator.arvatr"),
            QStringLiteral("Prüfbescheinigung.arvvc"),        QStringLiteral("Anlagenschema.arvid"),
            QStringLiteral("Übergabe-Checkliste.arvchk"),     QStringLiteral("Kennliniendaten.arvcrv")};
}
