#pragma once

#include <QColor>

// The colours of the box symbols, taken from the program's icons so that diagram and tool bar
// look alike.
namespace DiagramPalette {
inline const QColor ink(0x2B, 0x37, 0x42);
inline const QColor grey(0xC9, 0xD1, 0xD9);
inline const QColor darkGrey(0x3B, 0x4A, 0x5A);
inline const QColor moduleBlue(0x2A, 0x6F, 0xB0);
inline const QColor cellLines(0xA9, 0xC8, 0xEA);
inline const QColor amber(0xF7, 0xB7, 0x31);
inline const QColor red(0xD6, 0x45, 0x41);
inline const QColor darkRed(0xB0, 0x3A, 0x36);
inline const QColor copper(0xD8, 0x8A, 0x3D);
inline const QColor lightFill(0xDC, 0xEB, 0xFA);
} // namespace DiagramPalette
