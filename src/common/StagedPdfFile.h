#pragma once

#include "Failure.h"
#include "PdfDocumentInfo.h"

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

// Printers write straight into their output file and never notice a full disk, leaving a cut-off
// PDF in place of the old one. They print into a temporary file instead, which is put in place
// through the checked writer once it is known to be whole.
class StagedPdfFile
{
    Q_DECLARE_TR_FUNCTIONS(StagedPdfFile)

public:
    explicit StagedPdfFile(const QString& target);

    // Where the printer writes; empty when no temporary folder could be made.
    QString printPath() const;
    // Written into the file when it is put in place.
    void setInfo(const PdfDocumentInfo& info);
    // False leaves the target as it was and sets failure to the reason in the user's words.
    bool commit(QString& failure);
    // As commit, with a failure that names the file, for the window to show.
    Failure putInPlace();

private:
    QString target;
    QTemporaryDir staging;
    PdfDocumentInfo info;
    bool hasInfo = false;
};
