#include "ProjectsFolder.h"

#include "ReportContainer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProjectsFolder::writeReport(const QString& relative, const QByteArray& xml) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    ReportContainer::write(file, {{QStringLiteral("xml"), xml}, {QStringLiteral("png"), QByteArray("inverter")}});
    return file;
}

QString ProjectsFolder::writeReportWithText(const QString& relative, const QString& text) const
{
    const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<document resPak=\":res/reports_en/arvir.pak\">\n"
                                       "  <page id=\"page1\">\n"
                                       "    <text id=\"client\">Sunny Farm Ltd</text>\n"
                                       "    <text id=\"notes\">%1</text>\n"
                                       "  </page>\n"
                                       "</document>\n")
                            .arg(text.toHtmlEscaped());
    return writeReport(relative, xml.toUtf8());
}

bool ProjectsFolder::setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}
