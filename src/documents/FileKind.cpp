#include "FileKind.h"

#include <QHash>

FileKind fileKind(const QString& path)
{
    static const QHash<QString, FileKind> kinds{
        {QStringLiteral("arvir"), FileKind::InspectionReport},
        {QStringLiteral("arvatr"), FileKind::ArrayTestReport},
        {QStringLiteral("arvvc"), FileKind::VerificationCertificate},
        {QStringLiteral("arvreport"), FileKind::Report},
        {QStringLiteral("arvid"), FileKind::InstallationDiagram},
        {QStringLiteral("arvchk"), FileKind::Checklist},
        {QStringLiteral("png"), FileKind::Image},
        {QStringLiteral("jpg"), FileKind::Image},
        {QStringLiteral("jpeg"), FileKind::Image},
        {QStringLiteral("tif"), FileKind::Image},
        {QStringLiteral("tiff"), FileKind::Image},
        {QStringLiteral("bmp"), FileKind::Image},
        {QStringLiteral("pdf"), FileKind::Pdf},
        {QStringLiteral("doc"), FileKind::WordDocument},
        {QStringLiteral("xls"), FileKind::Spreadsheet},
        {QStringLiteral("csv"), FileKind::Spreadsheet},
        {QStringLiteral("html"), FileKind::WebPage},
        {QStringLiteral("htm"), FileKind::WebPage},
        {QStringLiteral("url"), FileKind::WebPage},
        {QStringLiteral("arvcrv"), FileKind::CurveData},
    };
    const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return kinds.value(extension, FileKind::Other);
}

DocumentClass documentClassOf(FileKind kind)
{
    switch (kind) {
    case FileKind::InspectionReport:
    case FileKind::ArrayTestReport:
    case FileKind::VerificationCertificate:
    case FileKind::Report:
    case FileKind::Checklist:
        return DocumentClass::GraphicalReport;
    case FileKind::InstallationDiagram:
        return DocumentClass::InstallationDiagram;
    case FileKind::CurveData:
        return DocumentClass::CurveData;
    case FileKind::Other:
    case FileKind::Image:
    case FileKind::Pdf:
    case FileKind::WordDocument:
    case FileKind::Spreadsheet:
    case FileKind::WebPage:
        break;
    }
    return DocumentClass::None;
}
