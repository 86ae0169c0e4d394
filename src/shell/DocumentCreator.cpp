#include "DocumentCreator.h"

#include "AppIdentity.h"
#include "FileWriter.h"
#include "Globals.h"
#include "Prompts.h"
#include "ReportContainer.h"
#include "ReportFavourites.h"
#include "UniquePath.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace {
QString templateOfReport(const QString& path)
{
    BlobList blobs;
    if (ReportContainer::read(path, blobs) != ReportContainer::Status::Ok)
        return QString();
    QDomDocument xml;
    if (!xml.setContent(blobs.first().data))
        return QString();
    return xml.documentElement().attribute(QStringLiteral("resPak"));
}
} // namespace

DocumentCreator::DocumentCreator(QWidget* parent)
    : parent(parent)
{
}

QString DocumentCreator::currentTestReportTemplate()
{
    return Globals::reportResource(QStringLiteral("arvatr_rev3.pak"));
}

QString DocumentCreator::create(const QString& folder, const QString& fileName)
{
    const QString target = QStringLiteral("%1/%2").arg(folder, fileName);
    const QString extension = QFileInfo(target).suffix();
    const QString favourite = ReportFavourites::favouritePath(extension);
    if (extension == QLatin1String("arvatr") && QFile::exists(favourite))
        offerToReplaceOldTestReport(favourite);
    if (!ReportFavourites::ensure(extension, parent))
        return QString();
    const QString unique = UniquePath::of(target);
    return copyFavourite(favourite, unique) ? unique : QString();
}

void DocumentCreator::offerToReplaceOldTestReport(const QString& favourite)
{
    if (templateOfReport(favourite) == currentTestReportTemplate())
        return;
    const auto answer = Prompts::instance().show(
        parent, QMessageBox::Warning,
        tr("You are creating an Array Test Report from a favourite that was created in an older version of %1. "
           "If you use this version then you will not be able to import data into it.",
           "Warning Message")
            .arg(AppIdentity::applicationName),
        tr("Would you like to replace the favourite with the new version of the report?", "User prompt"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        QFile::remove(favourite);
}

bool DocumentCreator::copyFavourite(const QString& favourite, const QString& target)
{
    QString failure;
    if (FileWriter::copy(favourite, target, failure))
        return true;
    Prompts::instance().show(parent, QMessageBox::Warning,
                             tr("\"%1\" could not be created.", "Error Message").arg(QDir::toNativeSeparators(target)),
                             failure);
    return false;
}
