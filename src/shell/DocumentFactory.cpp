#include "DocumentFactory.h"

#include "AbstractDocument.h"
#include "DocumentLock.h"
#include "AppIdentity.h"
#include "CurveDocument.h"
#include "DownloadLauncher.h"
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "InstallationDiagramDocument.h"
#include "Prompts.h"
#include "SearchResultsDocument.h"
#include "WaitCursor.h"

#include <QDir>
#include <QHash>
#include <QUrl>

namespace {
// A curve document fetches measurements itself: the file the download program saves goes into
// this document, not into a report.
AbstractDocument* makeCurveDocument(const QString& path, QWidget* parent)
{
    auto* document = new IVCurve::CurveDocument(path, parent);
    auto* launcher = new DownloadLauncher(document);
    QObject::connect(document, &IVCurve::CurveDocument::downloadRequested, launcher, &DownloadLauncher::download);
    QObject::connect(launcher, &DownloadLauncher::importRequested, document, &IVCurve::CurveDocument::importFile);
    document->setCloseGuard([launcher] { return launcher->okToEnd(); });
    return document;
}

// Documents that need nothing but their path.
template <typename Document>
AbstractDocument* makePlain(const QString& path, QWidget* parent)
{
    return new Document(path, parent);
}

QHash<int, DocumentFactory::Maker> builtInMakers()
{
    return {{int(DocumentClass::GraphicalReport), makePlain<GraphicalReportDocument>},
            {int(DocumentClass::InstallationDiagram), makePlain<InstallationDiagramDocument>},
            {int(DocumentClass::SearchResults), makePlain<SearchResultsDocument>},
            {int(DocumentClass::CurveData), makeCurveDocument}};
}

QHash<int, DocumentFactory::Maker>& makers()
{
    static QHash<int, DocumentFactory::Maker> registered = builtInMakers();
    return registered;
}

bool isSearchResults(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1) == QLatin1String("Search Results");
}
} // namespace

void DocumentFactory::setMaker(DocumentClass documentClass, const Maker& maker)
{
    if (maker)
        makers().insert(int(documentClass), maker);
    else
        makers().remove(int(documentClass));
}

void DocumentFactory::restoreBuiltInMakers()
{
    makers() = builtInMakers();
}

AbstractDocument* DocumentFactory::createDocument(const QString& path, QWidget* parent)
{
    DocumentClass documentClass = documentClassOf(fileKind(path));
    if (documentClass == DocumentClass::None && isSearchResults(path))
        documentClass = DocumentClass::SearchResults;
    if (documentClass == DocumentClass::None) {
        handToDesktop(path);
        return nullptr;
    }
    if (documentClass != DocumentClass::SearchResults)
        return makeLockedDocument(documentClass, path, parent);
    AbstractDocument* doc = makeDocument(documentClass, path, parent);
    if (doc)
        doc->setValid(true);
    return doc;
}

// Someone else's lock leaves the choice of a read-only document or none.
AbstractDocument* DocumentFactory::makeLockedDocument(DocumentClass documentClass, const QString& path,
                                                      QWidget* parent)
{
    auto lock = std::make_unique<DocumentLock>(path);
    const DocumentLock::Outcome outcome = lock->acquire(Globals::mainWindowInstance());
    if (outcome == DocumentLock::Outcome::Cancelled)
        return nullptr;
    AbstractDocument* doc = makeDocument(documentClass, path, parent);
    if (!doc)
        return nullptr;
    if (outcome == DocumentLock::Outcome::ReadOnly)
        doc->setReadOnly(true);
    else
        doc->holdLock(std::move(lock));
    return doc;
}

AbstractDocument* DocumentFactory::makeDocument(DocumentClass documentClass, const QString& path, QWidget* parent)
{
    const Maker maker = makers().value(int(documentClass));
    if (!maker) {
        Prompts::instance().show(
            Globals::mainWindowInstance(), QMessageBox::Warning,
            tr("\"%1\" cannot be opened: this version of %2 has no window for this kind of document.",
               "Error Message")
                .arg(QDir::toNativeSeparators(path), AppIdentity::applicationName));
        return nullptr;
    }
    const WaitCursor waiting;
    return maker(path, parent);
}

void DocumentFactory::handToDesktop(const QString& path)
{
    bool opened = false;
    {
        const WaitCursor waiting;
        opened = Prompts::instance().openWithDesktop(QUrl::fromLocalFile(path));
    }
    if (opened)
        return;
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning,
                             tr("There was a problem trying to open %1", "Error Message").arg(path),
                             tr("Please make sure a program is associated with this file type.",
                                "Error message informative text"));
}
