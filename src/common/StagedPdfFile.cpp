#include "StagedPdfFile.h"

#include "FileWriter.h"

#include <QDir>
#include <QFile>

namespace {
// A PDF ends with its end-of-file marker; a printer stopped by a full disk never writes it.
bool isWholePdf(const QByteArray& contents)
{
    return contents.startsWith("%PDF") && contents.right(16).trimmed().endsWith("%%EOF");
}
} // namespace

StagedPdfFile::StagedPdfFile(const QString& target)
    : target(target)
{
}

QString StagedPdfFile::printPath() const
{
    return staging.isValid() ? staging.filePath(QStringLiteral("printed.pdf")) : QString();
}

void StagedPdfFile::setInfo(const PdfDocumentInfo& documentInfo)
{
    info = documentInfo;
    hasInfo = true;
}

bool StagedPdfFile::commit(QString& failure)
{
    QFile printed(printPath());
    if (!staging.isValid() || !printed.open(QIODevice::ReadOnly)) {
        failure = FileWriter::reasonFor(printPath().isEmpty() ? QDir::tempPath() : printPath(), 0, printed.errorString());
        return false;
    }
    const QByteArray contents = printed.readAll();
    if (!isWholePdf(contents)) {
        failure = tr("The temporary folder %1 is full or cannot be written. Free some space there, then try again.",
                     "Error message informative text")
                      .arg(QDir::toNativeSeparators(QDir::tempPath()));
        return false;
    }
    return FileWriter::write(target, hasInfo ? info.appendedTo(contents) : contents, failure);
}

Failure StagedPdfFile::putInPlace()
{
    QString cause;
    if (commit(cause))
        return {};
    return {tr("Error opening %1 for writing", "Error Message").arg(QDir::toNativeSeparators(target)), cause};
}
