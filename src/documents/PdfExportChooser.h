#pragma once

#include <QCoreApplication>
#include <QString>

// Asks where a document is to be exported as PDF, starting in the folder of the last export,
// which it remembers for the next one.
class PdfExportChooser
{
    Q_DECLARE_TR_FUNCTIONS(PdfExportChooser)

public:
    // Empty when the user cancels.
    static QString choose();
};
