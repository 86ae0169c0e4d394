#include "ReportContainer.h"

#include "FileWriter.h"
#include "PayloadDeflater.h"
#include "PayloadInflater.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {
constexpr int lengthFieldSize = 4;
// zlib cannot shrink data by more than about 1032:1, so a larger claimed payload is a lie.
constexpr quint64 maximumDeflateRatio = 1032;

QString nameFromUtf16BigEndian(const QByteArray& bytes)
{
    QString name(bytes.size() / 2, Qt::Uninitialized);
    for (int i = 0; i < name.size(); ++i)
        name[i] = QChar(qFromBigEndian<quint16>(bytes.constData() + 2 * i));
    return name;
}

// One length-prefixed field as a version-7 data stream reads it: a null field has the length
// 0xFFFFFFFF and no bytes. The length is checked against what the payload has left before
// anything is allocated for it.
bool readField(PayloadInflater& payload, QByteArray& field)
{
    quint32 length = 0;
    if (!payload.readBigEndian(length))
        return false;
    field.clear();
    if (length == ReportContainer::nullFieldLength)
        return true;
    if (length > payload.remaining())
        return false;
    field.resize(int(length));
    return payload.read(field.data(), length);
}

bool readBlob(PayloadInflater& payload, NamedBlob& blob)
{
    QByteArray nameBytes;
    if (!readField(payload, nameBytes) || nameBytes.size() % 2 != 0 || !readField(payload, blob.data))
        return false;
    blob.name = nameBytes.isNull() ? QString() : nameFromUtf16BigEndian(nameBytes);
    return true;
}
} // namespace

ReportContainer::Status ReportContainer::read(const QString& fileName, BlobList& blobs)
{
    blobs.clear();
    const Status usable = checkFile(fileName);
    if (usable != Status::Ok)
        return usable;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Status::CannotOpen;
    return decode(file.readAll(), blobs);
}

// Before opening: a pipe would block the open itself, and a device never ends.
ReportContainer::Status ReportContainer::checkFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return Status::CannotOpen;
    if (!info.isFile())
        return Status::NotAFile;
    return info.size() > maximumFileSize ? Status::TooLarge : Status::Ok;
}

ReportContainer::Status ReportContainer::decode(const QByteArray& fileContents, BlobList& blobs)
{
    blobs.clear();
    if (fileContents.size() <= 4) {
        // Four bytes can only announce an empty payload, which holds no report.
        return fileContents.size() == 4 && qFromBigEndian<quint32>(fileContents.constData()) == 0
                   ? Status::Empty
                   : Status::Damaged;
    }
    if (!payloadSizeIsPlausible(qFromBigEndian<quint32>(fileContents.constData()), fileContents.size() - lengthFieldSize))
        return Status::Damaged;
    PayloadInflater payload(fileContents.constData() + lengthFieldSize, fileContents.size() - lengthFieldSize,
                            qFromBigEndian<quint32>(fileContents.constData()));
    const Status status = readBlobs(payload, blobs);
    if (status != Status::Ok)
        blobs.clear();
    return status;
}

// Each blob is inflated straight into its own buffer. Entries are counted as they come, so that
// a stream of millions of empty ones is given up as soon as it has too many.
ReportContainer::Status ReportContainer::readBlobs(PayloadInflater& payload, BlobList& blobs)
{
    while (payload.remaining() > 0) {
        NamedBlob blob;
        if (!readBlob(payload, blob))
            return Status::Damaged;
        if (blobs.size() == maximumEntryCount)
            return Status::TooManyEntries;
        blobs.append(blob);
    }
    // The stream must end exactly at the announced size.
    if (!payload.endsHere())
        return Status::Damaged;
    return blobs.isEmpty() ? Status::Empty : Status::Ok;
}

bool ReportContainer::payloadSizeIsPlausible(quint32 declared, qint64 compressedBytes)
{
    return declared <= maximumPayloadSize && declared <= quint64(compressedBytes) * maximumDeflateRatio + 64;
}

namespace {
// As a version-7 data stream writes them: each field a 4-byte length and its bytes, a null
// field the length 0xFFFFFFFF alone.
qint64 fieldSize(qint64 bytes, bool isNull)
{
    return lengthFieldSize + (isNull ? 0 : bytes);
}

qint64 payloadSize(const BlobList& blobs)
{
    qint64 size = 0;
    for (const NamedBlob& blob : blobs)
        size += fieldSize(2 * qint64(blob.name.size()), blob.name.isNull()) + fieldSize(blob.data.size(), blob.data.isNull());
    return size;
}

// The name field with the length of the data field that follows it.
QByteArray blobHeader(const NamedBlob& blob)
{
    const int nameBytes = blob.name.isNull() ? 0 : 2 * blob.name.size();
    QByteArray header(lengthFieldSize + nameBytes + lengthFieldSize, Qt::Uninitialized);
    char* at = header.data();
    qToBigEndian(blob.name.isNull() ? ReportContainer::nullFieldLength : quint32(nameBytes), at);
    at += lengthFieldSize;
    for (const QChar character : blob.name) {
        qToBigEndian(character.unicode(), at);
        at += 2;
    }
    qToBigEndian(blob.data.isNull() ? ReportContainer::nullFieldLength : quint32(blob.data.size()), at);
    return header;
}
} // namespace

// Only for lists within the limits that write() checks: their payload size fits in 32 bits.
QByteArray ReportContainer::encode(const BlobList& blobs)
{
    PayloadDeflater packed(quint32(payloadSize(blobs)));
    for (const NamedBlob& blob : blobs) {
        const QByteArray header = blobHeader(blob);
        packed.add(header.constData(), quint32(header.size()));
        packed.add(blob.data.constData(), quint32(blob.data.size()));
    }
    return packed.finish();
}

ReportContainer::Status ReportContainer::write(const QString& fileName, const BlobList& blobs, QString* failure)
{
    if (blobs.size() > maximumEntryCount || payloadSize(blobs) > qint64(maximumPayloadSize))
        return Status::TooLargeToSave;
    const QByteArray packed = encode(blobs);
    QString reason;
    if (packed.isEmpty() || !FileWriter::write(fileName, packed, reason)) {
        if (failure)
            *failure = reason;
        return Status::CannotWrite;
    }
    return Status::Ok;
}

int ReportContainer::append(BlobList& blobs, const QString& name, const QByteArray& data)
{
    blobs.append(NamedBlob{name, data});
    return blobs.size() - 1;
}

QString ReportContainer::describe(Status status, const QString& fileName)
{
    switch (status) {
    case Status::Ok:
        return QString();
    case Status::CannotOpen:
        return tr("Could not open \"%1\". Check that the file exists and that you may access it.",
                  "Error Message")
            .arg(fileName);
    case Status::Damaged:
        return tr("\"%1\" is damaged or is not a report file.", "Error Message").arg(fileName);
    case Status::Empty:
        return tr("\"%1\" holds no report.", "Error Message").arg(fileName);
    case Status::NotAFile:
        return tr("\"%1\" is not a regular file: folders, devices and pipes cannot be opened as reports.",
                  "Error Message")
            .arg(fileName);
    case Status::TooLarge:
        return tr("\"%1\" is larger than a report can be (%2 MB).", "Error Message")
            .arg(fileName)
            .arg(maximumPayloadSize / (1024 * 1024));
    case Status::TooManyEntries:
        return tr("\"%1\" holds more than %2 pictures; it is damaged or is not a report file.", "Error Message")
            .arg(fileName)
            .arg(maximumEntryCount - 1);
    case Status::TooLargeToSave:
        return tr("\"%1\" was not saved: with its pictures it would be larger than a report can be (%2 MB) and "
                  "could not be opened again. Remove some pictures or insert smaller ones.",
                  "Error Message")
            .arg(fileName)
            .arg(maximumPayloadSize / (1024 * 1024));
    case Status::CannotWrite:
        return tr("Could not write \"%1\". Check that the disk has space and the folder is writable.",
                  "Error Message")
            .arg(fileName);
    }
    return QString();
}
