#include "ReportPhraseScan.h"

#include "FileKind.h"
#include "XmlSearchHandler.h"

bool ReportPhraseScan::isSearchable(const QString& path)
{
    const FileKind kind = fileKind(path);
    return kind == FileKind::InspectionReport || kind == FileKind::ArrayTestReport
        || kind == FileKind::VerificationCertificate;
}

ReportPhraseScan::ReportPhraseScan(Ks::XmlSearchHandler& handler, const QString& path)
    : handler(handler)
    , blob(path)
{
    handler.begin();
}

bool ReportPhraseScan::step()
{
    if (done)
        return false;
    QByteArray piece;
    if (blob.next(piece) != FirstBlobReader::Status::Piece) {
        done = true;
        return false;
    }
    // A report whose XML came whole in one piece is read with the handler's quick test first.
    if (firstPiece && blob.atEnd()) {
        matched = handler.parse(piece);
        done = true;
        return false;
    }
    firstPiece = false;
    xml.addData(piece);
    done = !handler.read(xml);
    matched = handler.found();
    return !done;
}

bool ReportPhraseScan::found() const
{
    return matched;
}
