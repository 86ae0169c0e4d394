#pragma once

#include "NamedBlob.h"

#include <QDomDocument>
#include <QString>
#include <QTextStream>

// Prints a report document (a file or a ":res/" default document) to a PDF file the way the
// program prints it: its template as the layout, its values over it, one A4 page per report page
// with the footer. With `sample` every field, check box and table cell is filled first, so the
// author of a form can see how full boxes look.
class FormPreview
{
public:
    explicit FormPreview(QTextStream& err);

    bool run(const QString& documentPath, const QString& pdfPath, bool sample);

private:
    bool readXml(const QString& path, QDomDocument& document, BlobList& blobs);
    static void fillWithSamples(QDomElement root);

    QTextStream& err;
};
