#include "ReportFile.h"

#include "Globals.h"
#include "Prompts.h"
#include "ReportContainer.h"
#include "ReportScene.h"

#include <QApplication>
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

    bool read(const QString& path)
    {
        status = ReportContainer::read(path, blobs);
        return status == ReportContainer::Status::Ok
               && xml.setContent(blobs.first().data, &parserMessage, &line, &column);
    }
    bool opened() const { return status == ReportContainer::Status::Ok; }
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

bool ReportFile::load(ReportScene& scene, const QString& fileName)
{
    ParsedContainer document;
    if (!document.read(fileName)) {
        if (!document.opened())
            warn(tr("Error opening %1 for reading", "Error Message").arg(fileName),
                 ReportContainer::describe(document.status, fileName));
        else
            warn(tr("XML validation error in %1 on line %2, column %3", "Error Message")
                     .arg(fileName)
                     .arg(document.line)
                     .arg(document.column),
                 document.parserMessage);
        return false;
    }
    const QDomElement root = document.xml.documentElement();
    if (!isSelfContained(fileName)) {
        QString templatePath = root.attribute(QStringLiteral("resPak"));
        if (templatePath.isEmpty())
            templatePath = defaultTemplatePath(fileName);
        if (!buildLayout(scene, fileName, templatePath))
            return false;
    }
    scene.applyValues(root, document.blobs);
    scene.setFocus();
    return true;
}

// A document without its layout would show none of its values, and saving it would lose them:
// such a document is refused rather than shown empty.
bool ReportFile::buildLayout(ReportScene& scene, const QString& fileName, const QString& templatePath)
{
    ParsedContainer layout;
    if (!layout.read(templatePath)) {
        const QString cause = layout.opened()
                                  ? tr("XML validation error in %1 on line %2, column %3", "Error Message")
                                            .arg(templatePath)
                                            .arg(layout.line)
                                            .arg(layout.column)
                                        + QStringLiteral(": ") + layout.parserMessage
                                  : ReportContainer::describe(layout.status, templatePath);
        warn(tr("%1 cannot be opened: its report template %2 could not be read.", "Error Message")
                 .arg(fileName, templatePath),
             cause);
        return false;
    }
    scene.setTemplatePath(templatePath);
    scene.resetNavigation();
    scene.buildLayout(layout.xml.documentElement(), layout.blobs);
    return true;
}

bool ReportFile::save(ReportScene& scene, const QString& fileName)
{
    if (!isSelfContained(fileName) && scene.templatePath().isEmpty())
        scene.setTemplatePath(defaultTemplatePath(fileName));
    // The XML goes first, but is finished only after the pictures have appended their blobs.
    BlobList blobs;
    ReportContainer::append(blobs, QStringLiteral("xml"), QByteArray());
    const QByteArray xml = scene.toXml(false, blobs).toByteArray(2);
    blobs.first().data = xml;
    const ReportContainer::Status status = ReportContainer::write(fileName, blobs);
    if (status == ReportContainer::Status::CannotOpen)
        showWriteError(fileName);
    else if (status != ReportContainer::Status::Ok)
        warn(ReportContainer::describe(status, fileName), QString());
    return status == ReportContainer::Status::Ok;
}

void ReportFile::showWriteError(const QString& fileName)
{
    warn(tr("Error opening %1 for writing", "Error Message").arg(fileName),
         tr("Is the file read-only or has it been deleted?", "Error message informative text"));
}

void ReportFile::warn(const QString& text, const QString& informativeText)
{
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning, text, informativeText);
    if (waiting)
        QApplication::restoreOverrideCursor();
}
