#include "AbstractDocument.h"

#include "DocumentLock.h"
#include "PathIcon.h"
#include "Prompts.h"

#include <QDir>
#include <QFileInfo>

AbstractDocument::AbstractDocument(const QString& filePath, QWidget* parent)
    : QWidget(parent)
    , path(filePath)
    , fileTitle(QFileInfo(filePath).fileName())
{
    setWindowTitle(displayTitle());
    setWindowIcon(PathIcon::forPath(filePath));
}

AbstractDocument::~AbstractDocument() = default;

QString AbstractDocument::filePath() const
{
    return path;
}

QString AbstractDocument::title() const
{
    return fileTitle;
}

bool AbstractDocument::isValid() const
{
    return valid;
}

bool AbstractDocument::isModified() const
{
    return modified;
}

QString AbstractDocument::displayTitle() const
{
    const QString title = readOnly ? tr("%1 (read-only)", "Window title").arg(fileTitle) : fileTitle;
    return modified ? QStringLiteral("%1 *").arg(title) : title;
}

void AbstractDocument::holdLock(std::unique_ptr<DocumentLock> documentLock)
{
    lock = std::move(documentLock);
}

void AbstractDocument::setReadOnly(bool isReadOnly)
{
    readOnly = isReadOnly;
    showTitle();
}

void AbstractDocument::setTitle(const QString& title)
{
    fileTitle = title;
    showTitle();
}

bool AbstractDocument::isReadOnly() const
{
    return readOnly;
}

bool AbstractDocument::mayBeSaved()
{
    if (!readOnly)
        return true;
    Prompts::instance().show(this, QMessageBox::Warning,
                             tr("%1 was opened read-only and cannot be saved.", "Error Message")
                                 .arg(QDir::toNativeSeparators(path)),
                             tr("It was open on another computer or in another program when you opened it. Close "
                                "it here, and open it again once it has been closed there.",
                                "Error message informative text"));
    return false;
}

bool AbstractDocument::okToClose()
{
    return true;
}

void AbstractDocument::save()
{
}

void AbstractDocument::setCurrent(bool)
{
}

void AbstractDocument::setModified(bool isModified)
{
    if (modified == isModified)
        return;
    modified = isModified;
    showTitle();
}

void AbstractDocument::showTitle()
{
    setWindowTitle(displayTitle());
    emit titleChanged(this);
}

void AbstractDocument::setValid(bool isValid)
{
    valid = isValid;
}

QUndoStack* AbstractDocument::undoStack() const
{
    return nullptr;
}

bool AbstractDocument::canPrint() const
{
    return false;
}

void AbstractDocument::print()
{
}

void AbstractDocument::printPreview()
{
}

void AbstractDocument::exportToPdf()
{
}
