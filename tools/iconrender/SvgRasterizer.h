#pragma once

#include <QColor>
#include <QImage>
#include <QSvgRenderer>

// Turns one SVG drawing into pictures of any pixel size.
class SvgRasterizer
{
public:
    // Fails with a message naming the file when it cannot be read or is no valid SVG.
    bool load(const QString& fileName, QString& error);

    // The drawing keeps its proportions and is centred when the size has other proportions.
    // A transparent background leaves an alpha channel.
    QImage render(const QSize& size, const QColor& background);

private:
    QSvgRenderer renderer;
};
