// Compares writing and reading a report container (XML and one picture) with the work it cannot
// avoid: compressing the same bytes, writing them through the same file writer into the same
// folder, reading them back and uncompressing them. At two sizes, since the container's own
// steps (serialising, parsing, inflating step by step) could grow faster than the bytes. Goal:
// within 1.2x.
#include "ReportContainer.h"

#include "BestOf.h"
#include "FileWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <limits>

namespace {
QByteArray xmlPayload(int megabytes)
{
    QByteArray xml = "<document>\n";
    for (int i = 0; xml.size() < megabytes * 1024 * 1024; ++i)
        xml += "  <text id=\"field_" + QByteArray::number(i) + "\">Measured value " + QByteArray::number(i * 37) + "</text>\n";
    return xml + "</document>\n";
}

QByteArray picturePayload(int megabytes)
{
    // Photographs hardly compress: a pseudo-random byte stream stands in for one.
    QByteArray picture(megabytes * 1024 * 1024, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& byte : picture) {
        state = state * 1664525u + 1013904223u;
        byte = char(state >> 24);
    }
    return picture;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the container writes and reads back, as the program does it.
BlobList writeAndReadContainer(const QString& path, const BlobList& blobs)
{
    BlobList read;
    ReportContainer::write(path, blobs);
    ReportContainer::read(path, read);
    return read;
}

// The same bytes compressed, written through the same file writer, read and uncompressed.
QByteArray writeAndReadPlain(const QString& path, const QByteArray& raw)
{
    QString error;
    FileWriter::write(path, qCompress(raw), error);
    return qUncompress(readFile(path));
}

bool sameBlobs(const BlobList& read, const BlobList& written)
{
    return read.size() == written.size()
        && std::equal(read.cbegin(), read.cend(), written.cbegin(), [](const NamedBlob& left, const NamedBlob& right) {
               return left.name == right.name && left.data == right.data;
           });
}

// False when what was read back differs from what was written. Each side keeps nothing from one
// run to the next, and the sides take turns, so that neither finds memory the other left warm
// and a machine that slows down or speeds up meanwhile weighs on both alike.
bool compare(const QString& folder, int xmlMegabytes, int pictureMegabytes, QTextStream& out)
{
    const QString path = folder + QStringLiteral("/bench.arvatr");
    const QString plainPath = folder + QStringLiteral("/bench.bin");
    const BlobList blobs{{QStringLiteral("xml"), xmlPayload(xmlMegabytes)},
                         {QStringLiteral("jpg"), picturePayload(pictureMegabytes)}};
    const QByteArray raw = blobs.at(0).data + blobs.at(1).data;
    if (!sameBlobs(writeAndReadContainer(path, blobs), blobs) || writeAndReadPlain(plainPath, raw) != raw)
        return false;
    qint64 container = std::numeric_limits<qint64>::max();
    qint64 plain = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5; ++run) {
        container = qMin(container, bestOf(1, [&] { writeAndReadContainer(path, blobs); }));
        plain = qMin(plain, bestOf(1, [&] { writeAndReadPlain(plainPath, raw); }));
    }
    out << xmlMegabytes << " MB of XML and a " << pictureMegabytes << " MB picture: container write+read "
        << container / 1000000.0 << " ms; compress, write, read, uncompress " << plain / 1000000.0
        << " ms; ratio " << double(container) / double(plain) << " (goal: at most 1.2)" << Qt::endl;
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const bool small = compare(folder.path(), 1, 10, out);
    const bool large = compare(folder.path(), 4, 40, out);
    return small && large ? 0 : 1;
}
