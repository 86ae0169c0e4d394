#include "AbstractDocument.h"

#include "PathIcon.h"

#include <QFileInfo>

AbstractDocument::AbstractDocument(const QString& filePath, QWidget* parent)
    : QWidget(parent)
    , path(filePath)
    , fileTitle(QFileInfo(filePath).fileName())
{
    setWindowTitle(displayTitle());
    setWindowIcon(PathIcon::forPath(filePath));
}

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
    return modified ? QStringLiteral("%1 *").arg(fileTitle) : fileTitle;
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
    setWindowTitle(displayTitle());
    emit titleChanged(this);
}

void AbstractDocument::setValid(bool isValid)
{
    valid = isValid;
}
