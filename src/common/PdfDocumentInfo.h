#pragma once

#include <QByteArray>
#include <QString>

// Title, author and creator of a PDF file, as mail programs and file managers show them. The
// toolkit's PDF engine writes no author, so the whole set is added to a finished file as an
// incremental update: a new information dictionary and a cross-reference section that points
// back to the original one. Every reader honours such an update; the original bytes stay as
// they were.
class PdfDocumentInfo
{
public:
    QString title;
    QString author;
    QString creator;

    // `pdf` with the update appended; `pdf` unchanged when it has no trailer to build on.
    QByteArray appendedTo(const QByteArray& pdf) const;

    // A PDF text string: UTF-16 big-endian with byte-order mark, in hexadecimal, so that any
    // character and any bracket or backslash in a name is safe.
    static QByteArray textString(const QString& text);
};
