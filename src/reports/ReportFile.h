#pragma once

#include "Failure.h"
#include "NamedBlob.h"

#include <QCoreApplication>

class QDomDocument;
class ReportScene;

// Reading a report document into a scene and writing it back. A document holds only what the
// user filled in; its layout comes from the template it names. A failure names the file and the
// cause; the document shows it.
class ReportFile
{
    Q_DECLARE_TR_FUNCTIONS(ReportFile)

public:
    // Builds the template's layout, then lays the document's values and pictures over it.
    static Failure load(ReportScene& scene, const QString& fileName);
    // Writes the whole scene through a save file, so a failed write leaves the old file intact.
    static Failure save(ReportScene& scene, const QString& fileName);

    // The template of a document that names none: the first revision of its kind in the
    // language folder of the user interface.
    static QString defaultTemplatePath(const QString& fileName);
    // Self-contained reports carry no template.
    static bool isSelfContained(const QString& fileName);


private:
    static Failure buildLayout(ReportScene& scene, const QString& fileName, const QString& templatePath,
                            const QString& documentFolder);
    static bool readableAgain(const QDomDocument& xml, const BlobList& blobs, const QString& documentFolder,
                              QString& cause);
    static bool picturesFit(const QDomDocument& xml, const BlobList& blobs, QString& cause);
    static Failure refusal(const QString& fileName, const QString& cause);
};
