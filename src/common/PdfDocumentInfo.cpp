#include "PdfDocumentInfo.h"

#include <QRegularExpression>

namespace {
struct Trailer
{
    qint64 size = 0;
    QByteArray root;
    qint64 previousXref = -1;
};

// The last trailer and startxref of the file: after an update these are the ones that count.
bool readTrailer(const QByteArray& pdf, Trailer& trailer)
{
    const int trailerAt = pdf.lastIndexOf("trailer");
    const int startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return false;
    const QString text = QString::fromLatin1(pdf.mid(trailerAt));
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(text);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(text);
    const auto start = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(text);
    if (!size.hasMatch() || !root.hasMatch() || !start.hasMatch())
        return false;
    trailer.size = size.captured(1).toLongLong();
    trailer.root = root.captured(1).toLatin1();
    trailer.previousXref = start.captured(1).toLongLong();
    return trailer.size > 0;
}
} // namespace

QByteArray PdfDocumentInfo::textString(const QString& text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

QByteArray PdfDocumentInfo::appendedTo(const QByteArray& pdf) const
{
    Trailer trailer;
    if (!readTrailer(pdf, trailer))
        return pdf;
    QByteArray update = pdf;
    if (!update.endsWith('\n'))
        update += '\n';
    const qint64 infoNumber = trailer.size;
    const qint64 infoOffset = update.size();
    update += QByteArray::number(infoNumber) + " 0 obj\n<<\n/Title " + textString(title) + "\n/Author "
              + textString(author) + "\n/Creator " + textString(creator) + "\n>>\nendobj\n";
    const qint64 xrefOffset = update.size();
    // Each cross-reference entry is exactly 20 bytes, its end of line included.
    update += "xref\n" + QByteArray::number(infoNumber) + " 1\n"
              + QByteArray::number(infoOffset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(infoNumber + 1) + "\n/Root " + trailer.root + "\n/Info "
              + QByteArray::number(infoNumber) + " 0 R\n/Prev " + QByteArray::number(trailer.previousXref)
              + "\n>>\nstartxref\n" + QByteArray::number(xrefOffset) + "\n%%EOF\n";
    return update;
}
