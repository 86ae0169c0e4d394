#pragma once

#include <QtGlobal>

// What a real report needs, with room to spare. Files beyond these are damaged or hostile and
// are refused before memory or time is spent on them. The shipped forms use a fraction: five
// levels of nesting, a few hundred elements, one 26 x 8 table, two pages.
namespace ReportLimits {
inline constexpr int maximumXmlBytes = 16 * 1024 * 1024;
inline constexpr int maximumDepth = 32;
inline constexpr int maximumElements = 5000;
// Longer texts take seconds to lay out and fit, and no field of a form holds them.
inline constexpr int maximumTextLength = 10000;
// Laying out text costs time in proportion to its length, however it is spread over the texts;
// a long form with its notes fills a few thousand characters.
inline constexpr int maximumTotalTextLength = 100000;
inline constexpr int maximumTableLines = 1000;
inline constexpr int maximumTableCells = 10000;
inline constexpr int maximumPictures = 200;
// A 50-megapixel photograph takes 200 MB once decoded.
inline constexpr qint64 maximumPicturePixels = 50LL * 1000 * 1000;
inline constexpr qint64 maximumPixelsPerReport = 250LL * 1000 * 1000;
// Background drawings named by a template.
inline constexpr qint64 maximumDrawingBytes = 16 * 1024 * 1024;
} // namespace ReportLimits
