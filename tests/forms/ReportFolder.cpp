#include "ReportFolder.h"

#include "ReportContainer.h"

#include <QFile>

QString ReportFolder::copyDefault(const QString& language, const QString& kind, const QString& name) const
{
    const QString target = path(name);
    QFile::copy(QStringLiteral(":res/reports_%1/default.%2").arg(language, kind), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString ReportFolder::write(const QString& name, const QByteArray& xml) const
{
    const QString target = path(name);
    ReportContainer::write(target, BlobList{NamedBlob{QStringLiteral("xml"), xml}});
    return target;
}

QString ReportFolder::path(const QString& relative) const
{
    return dir.filePath(relative);
}

QDomDocument ReportFolder::readXml(const QString& path)
{
    BlobList blobs;
    QDomDocument xml;
    if (ReportContainer::read(path, blobs) == ReportContainer::Status::Ok)
        xml.setContent(blobs.first().data);
    return xml;
}
