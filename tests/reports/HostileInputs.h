#pragma once

#include <QByteArray>
#include <QString>

// Small files that once crashed, hung or exhausted the program, built on the fly so that no
// binary is kept in the repository.
namespace HostileInputs {
// <document><page> around `xml`, as a template or values document.
QByteArray onPage(const QByteArray& xml);
QByteArray nestedElements(const QByteArray& tag, int depth);
QByteArray longWord(int length);
// The header of a PNG picture of the given size; the reader learns the size from it alone.
QByteArray pngHeader(quint32 width, quint32 height);
// A container payload of `count` pairs with empty names and data, compressed.
QByteArray emptyPairs(int count);
QByteArray container(const QByteArray& xml);
} // namespace HostileInputs
