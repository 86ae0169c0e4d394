#pragma once

#include "FirstBlobReader.h"

#include <QXmlStreamReader>

namespace Ks {
class XmlSearchHandler;
}

// Looks for a phrase in one report a piece at a time, so that a search can let events through
// and answer Stop between the pieces of a large report. Only the report's XML is read, through
// buffers of fixed size; the common small report is read whole in one step.
class ReportPhraseScan
{
public:
    // Reports of other kinds, and files that are not regular files, are never looked into.
    static bool isSearchable(const QString& path);

    ReportPhraseScan(Ks::XmlSearchHandler& handler, const QString& path);

    // Reads and searches the next piece; false once the answer is known.
    bool step();
    // Meaningful once step() returned false. A file that cannot be read is not found.
    bool found() const;

private:
    Ks::XmlSearchHandler& handler;
    FirstBlobReader blob;
    QXmlStreamReader xml;
    bool firstPiece = true;
    bool done = false;
    bool matched = false;
};
