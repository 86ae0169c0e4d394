#pragma once

#include <QDateTime>
#include <QTemporaryDir>

// A fresh projects root, with the settings and the folders object pointing at it, and writers
// for the files a search looks at.
class ProjectsFolder
{
public:
    ProjectsFolder();

    QString root() const;
    QString path(const QString& relative) const;
    // Makes the folders on the way as needed.
    QString writeFile(const QString& relative, const QByteArray& contents = "x") const;
    // A report container whose first blob is `xml`, followed by a picture.
    QString writeReport(const QString& relative, const QByteArray& xml) const;
    // A saved report whose only text item holds `text`.
    QString writeReportWithText(const QString& relative, const QString& text) const;
    static bool setModified(const QString& path, const QDateTime& when);

private:
    QTemporaryDir dir;
};
