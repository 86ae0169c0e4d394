#pragma once

#include <QByteArray>

// The DOM parser recurses once per level of nesting, even in a file that turns out malformed, so
// a reader that stops its own scan at an error still bounds the nesting of the whole text.
class XmlNesting
{
public:
    // Every "<" followed by a name opens a level, "</" and "/>" close one: no parsing, no memory.
    static int roughDepth(const QByteArray& xml);
};
