// Compares writing and reading a report container with 1 MB of XML and a 10 MB picture against
// plain qCompress/qUncompress of the same bytes. Goal: within 1.2x.
#include "ReportContainer.h"

#include "BestOf.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
QByteArray xmlPayload()
{
    QByteArray xml = "<document>\n";
    for (int i = 0; xml.size() < 1024 * 1024; ++i)
        xml += "  <text id=\"field_" + QByteArray::number(i) + "\">Measured value " + QByteArray::number(i * 37) + "</text>\n";
    return xml + "</document>\n";
}

QByteArray picturePayload()
{
    // Photographs hardly compress: a pseudo-random byte stream stands in for one.
    QByteArray picture(10 * 1024 * 1024, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& byte : picture) {
        state = state * 1664525u + 1013904223u;
        byte = char(state >> 24);
    }
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.arvatr"));
    BlobList blobs{{QStringLiteral("xml"), xmlPayload()}, {QStringLiteral("jpg"), picturePayload()}};
    const QByteArray raw = blobs.at(0).data + blobs.at(1).data;

    const qint64 container = bestOf(5, [&] {
        ReportContainer::write(path, blobs);
        BlobList read;
        ReportContainer::read(path, read);
    });
    const qint64 plain = bestOf(5, [&] {
        const QByteArray compressed = qCompress(raw);
        const QByteArray back = qUncompress(compressed);
        Q_UNUSED(back)
    });
    out << "container write+read: " << container / 1000000.0 << " ms\n"
        << "qCompress+qUncompress: " << plain / 1000000.0 << " ms\n"
        << "ratio: " << double(container) / double(plain) << " (goal: at most 1.2)\n";
    return 0;
}
