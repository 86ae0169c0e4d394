#include "ReportFile.h"

#include "Globals.h"
#include "ReportContainer.h"
#include "ReportLimits.h"
#include "ReportPaths.h"
#include "ReportResizableImage.h"
#include "ReportScene.h"
#include "ReportXmlGuard.h"

#include <QDomDocument>
#include <QFileInfo>

namespace {
const QString selfContainedSuffix = QStringLiteral("arvreport");

// A container whose first blob is parsed as the report XML.
struct ParsedContainer
{
    BlobList blobs;
    QDomDocument xml;
    ReportContainer::Status status = ReportContainer::Status::Ok;
    QString parserMessage;
    int line = 0;
    int column = 0;

    QString refusal;

    // The XML is looked over before it is parsed: the parser recurses per level of nesting.
    bool read(const QString& path, const QString& documentFolder)
    {
        status = ReportContainer::read(path, blobs);
        if (status != ReportContainer::Status::Ok)
            return false;
        ReportXmlGuard guard(documentFolder);
        if (!guard.check(blobs.first().data)) {
            refusal = guard.cause();
            return false;
        }
        return xml.setContent(blobs.first().data, &parserMessage, &line, &column);
    }
    bool opened() const { return status == ReportContainer::Status::Ok; }
    bool refused() const { return !refusal.isEmpty(); }
};

QString lowerSuffix(const QString& fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}
} // namespace

QString ReportFile::defaultTemplatePath(const QString& fileName)
{
    return Globals::reportResource(lowerSuffix(fileName) + QStringLiteral(".pak"));
}

bool ReportFile::isSelfContained(const QString& fileName)
{
    return lowerSuffix(fileName) == selfContainedSuffix;
}

Failure ReportFile::load(ReportScene& scene, const QString& fileName)
{
    ParsedContainer document;
    const QString documentFolder = QFileInfo(fileName).absolutePath();
    if (!document.read(fileName, documentFolder)) {
        if (!document.opened())
            return {tr("Error opening %1 for reading", "Error Message").arg(fileName),
                    ReportContainer::describe(document.status, fileName)};
        if (document.refused())
            return refusal(fileName, document.refusal);
        return {tr("XML validation error in %1 on line %2, column %3", "Error Message")
                    .arg(fileName)
                    .arg(document.line)
                    .arg(document.column),
                document.parserMessage};
    }
    QString pictureProblem;
    if (!picturesFit(document.xml, document.blobs, pictureProblem))
        return refusal(fileName, pictureProblem);
    const QDomElement root = document.xml.documentElement();
    if (!isSelfContained(fileName)) {
        QString templatePath = root.attribute(QStringLiteral("resPak"));
        if (templatePath.isEmpty())
            templatePath = defaultTemplatePath(fileName);
        const Failure layoutFailure = buildLayout(scene, fileName, templatePath, documentFolder);
        if (layoutFailure.failed())
            return layoutFailure;
    }
    scene.applyValues(root, document.blobs);
    scene.setFocus();
    return {};
}

// A document without its layout would show none of its values, and saving it would lose them:
// such a document is refused rather than shown empty.
Failure ReportFile::buildLayout(ReportScene& scene, const QString& fileName, const QString& templatePath,
                             const QString& documentFolder)
{
    ParsedContainer layout;
    QString cause;
    if (!ReportPaths::mayRead(templatePath, documentFolder, ReportContainer::maximumFileSize, cause)
        || !layout.read(templatePath, documentFolder)) {
        if (cause.isEmpty())
            cause = layout.refused() ? layout.refusal
                    : layout.opened()
                        ? tr("XML validation error in %1 on line %2, column %3", "Error Message")
                                  .arg(templatePath)
                                  .arg(layout.line)
                                  .arg(layout.column)
                              + QStringLiteral(": ") + layout.parserMessage
                        : ReportContainer::describe(layout.status, templatePath);
        return {tr("%1 cannot be opened: its report template %2 could not be read.", "Error Message")
                    .arg(fileName, templatePath),
                cause};
    }
    scene.setTemplatePath(templatePath);
    scene.resetNavigation();
    scene.buildLayout(layout.xml.documentElement(), layout.blobs);
    return {};
}

Failure ReportFile::save(ReportScene& scene, const QString& fileName)
{
    if (!isSelfContained(fileName) && scene.templatePath().isEmpty())
        scene.setTemplatePath(defaultTemplatePath(fileName));
    // The XML goes first, but is finished only after the pictures have appended their blobs.
    BlobList blobs;
    ReportContainer::append(blobs, QStringLiteral("xml"), QByteArray());
    const QDomDocument document = scene.toXml(false, blobs);
    blobs.first().data = document.toByteArray(2);
    QString cause;
    if (!readableAgain(document, blobs, QFileInfo(fileName).absolutePath(), cause))
        return {tr("%1 was not saved: it holds more than a report can hold, so it could not be opened again.",
                   "Error Message")
                    .arg(fileName),
                cause + QLatin1Char(' ')
                    + tr("Please shorten the longest texts or remove pictures, then save again.",
                         "Error message informative text")};
    QString failure;
    const ReportContainer::Status status = ReportContainer::write(fileName, blobs, &failure);
    if (status == ReportContainer::Status::CannotWrite)
        return {tr("Error opening %1 for writing", "Error Message").arg(fileName), failure};
    if (status != ReportContainer::Status::Ok)
        return {ReportContainer::describe(status, fileName), QString()};
    return {};
}

// The same checks the reader makes, so that nothing is written that would then be refused.
bool ReportFile::readableAgain(const QDomDocument& xml, const BlobList& blobs, const QString& documentFolder,
                              QString& cause)
{
    ReportXmlGuard guard(documentFolder);
    if (!guard.check(blobs.first().data)) {
        cause = guard.cause();
        return false;
    }
    return picturesFit(xml, blobs, cause);
}

// Decoded pictures take four bytes a pixel: their size is read from their headers first.
bool ReportFile::picturesFit(const QDomDocument& xml, const BlobList& blobs, QString& cause)
{
    qint64 total = 0;
    const QDomNodeList pictures = xml.elementsByTagName(QStringLiteral("image"));
    for (int i = 0; i < pictures.size(); ++i) {
        const int index = pictures.at(i).toElement().attribute(QStringLiteral("index")).toInt();
        if (index <= 0 || index >= blobs.size())
            continue;
        const qint64 pixels = ReportResizableImage::pixelCount(blobs.at(index).name, blobs.at(index).data);
        if (pixels > ReportLimits::maximumPicturePixels) {
            cause = tr("Picture %1 has more than %2 million pixels.")
                        .arg(index)
                        .arg(ReportLimits::maximumPicturePixels / 1000000);
            return false;
        }
        total += qMax<qint64>(pixels, 0);
        if (total > ReportLimits::maximumPixelsPerReport) {
            cause = tr("Its pictures have more than %1 million pixels together.")
                        .arg(ReportLimits::maximumPixelsPerReport / 1000000);
            return false;
        }
    }
    return true;
}

Failure ReportFile::refusal(const QString& fileName, const QString& cause)
{
    return {tr("%1 cannot be opened: it is damaged or holds more than a report can.", "Error Message").arg(fileName),
            cause};
}
