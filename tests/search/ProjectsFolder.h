#pragma once

#include "ProjectsRootFolder.h"

#include <QDateTime>

// A fresh projects root with writers for the files a search looks at.
class ProjectsFolder : public ProjectsRootFolder
{
public:
    // A report container whose first blob is `xml`, followed by a picture.
    QString writeReport(const QString& relative, const QByteArray& xml) const;
    // A saved report whose only text item holds `text`.
    QString writeReportWithText(const QString& relative, const QString& text) const;
    static bool setModified(const QString& path, const QDateTime& when);
};
