#pragma once

#include <QCoreApplication>
#include <QString>

class QPrinter;
class StagedPdfFile;

// Asks where a document is to be exported as PDF. The dialog offers the document's own folder
// and name, where the user works; a document without a file starts in the folder of the last
// export. The chosen folder is remembered as the last export's.
class PdfExportChooser
{
    Q_DECLARE_TR_FUNCTIONS(PdfExportChooser)

public:
    // Empty when the user cancels.
    static QString choose(const QString& documentPath);
    // Names the PDF after the document and this program, by `author` when there is one.
    static void describe(QPrinter& printer, StagedPdfFile& output, const QString& documentPath,
                         const QString& author = QString());
};
