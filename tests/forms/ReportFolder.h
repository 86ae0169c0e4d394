#pragma once

#include <QDomDocument>
#include <QTemporaryDir>

// A temporary folder of report files for tests that open, save and export whole documents.
class ReportFolder
{
public:
    // A writable copy of a shipped default document, named `name`.
    QString copyDefault(const QString& language, const QString& kind, const QString& name) const;
    // A report file whose only blob is `xml`.
    QString write(const QString& name, const QByteArray& xml) const;
    QString path(const QString& relative) const;
    // The report XML of a container file; null when it cannot be read.
    static QDomDocument readXml(const QString& path);

private:
    QTemporaryDir dir;
};
