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

// False when what was read back differs from what was written.
bool compare(const QString& folder, int xmlMegabytes, int pictureMegabytes, QTextStream& out)
{
    const QString path = folder + QStringLiteral("/bench.arvatr");
    const QString plainPath = folder + QStringLiteral("/bench.bin");
    const BlobList blobs{{QStringLiteral("xml"), xmlPayload(xmlMegabytes)},
                         {QStringLiteral("jpg"), picturePayload(pictureMegabytes)}};
    const QByteArray raw = blobs.at(0).data + blobs.at(1).data;

    BlobList read;
    const qint64 container = bestOf(5, [&] {
        ReportContainer::write(path, blobs);
        ReportContainer::read(path, read);
    });
    QByteArray back;
    const qint64 plain = bestOf(5, [&] {
        QString error;
        FileWriter::write(plainPath, qCompress(raw), error);
        back = qUncompress(readFile(plainPath));
    });
    out << xmlMegabytes << " MB of XML and a " << pictureMegabytes << " MB picture: container write+read "
        << container / 1000000.0 << " ms; compress, write, read, uncompress " << plain / 1000000.0
        << " ms; ratio " << double(container) / double(plain) << " (goal: at most 1.2)" << Qt::endl;
    const bool sameBlobs = read.size() == 2 && read.at(0).data == blobs.at(0).data && read.at(1).data == blobs.at(1).data;
    return sameBlobs && back == raw;
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
