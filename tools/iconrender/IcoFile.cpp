#include "IcoFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {
constexpr int headerSize = 6;
constexpr int entrySize = 16;
constexpr int entrySizeField = 8;
constexpr int entryOffsetField = 12;
constexpr int largestSide = 256;

struct Picture
{
    QByteArray entry;
    QByteArray data;
};

bool writeSingle(const QImage& image, Picture& picture, QString& error)
{
    if (image.width() > largestSide || image.height() > largestSide) {
        error = QStringLiteral("An icon picture can be at most %1 pixels wide and high.").arg(largestSide);
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.size() < headerSize + entrySize || qFromLittleEndian<quint16>(bytes.constData() + 4) != 1) {
        error = QStringLiteral("The icon writer produced an unexpected file.");
        return false;
    }
    picture.entry = bytes.mid(headerSize, entrySize);
    const quint32 size = qFromLittleEndian<quint32>(picture.entry.constData() + entrySizeField);
    const quint32 offset = qFromLittleEndian<quint32>(picture.entry.constData() + entryOffsetField);
    if (offset > quint32(bytes.size()) || size > quint32(bytes.size()) - offset) {
        error = QStringLiteral("The icon writer produced an unexpected file.");
        return false;
    }
    picture.data = bytes.mid(int(offset), int(size));
    return true;
}

void appendLittleEndian16(QByteArray& bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}
} // namespace

bool IcoFile::compose(const QVector<QImage>& images, QByteArray& ico, QString& error)
{
    if (images.isEmpty()) {
        error = QStringLiteral("An icon needs at least one picture.");
        return false;
    }
    QVector<Picture> pictures(images.size());
    for (int i = 0; i < images.size(); ++i) {
        if (!writeSingle(images.at(i), pictures[i], error))
            return false;
    }
    QByteArray directory;
    appendLittleEndian16(directory, 0); // reserved
    appendLittleEndian16(directory, 1); // type: icon
    appendLittleEndian16(directory, quint16(pictures.size()));
    QByteArray data;
    quint32 offset = quint32(headerSize + entrySize * pictures.size());
    for (Picture& picture : pictures) {
        qToLittleEndian(offset + quint32(data.size()), picture.entry.data() + entryOffsetField);
        directory.append(picture.entry);
        data.append(picture.data);
    }
    ico = directory + data;
    return true;
}
