#include "SvgRasterizer.h"

#include <QFile>
#include <QPainter>

bool SvgRasterizer::load(const QString& fileName, QString& error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    if (!renderer.load(file.readAll()) || !renderer.isValid() || renderer.viewBoxF().isEmpty()) {
        error = QStringLiteral("\"%1\" is not a valid SVG drawing.").arg(fileName);
        return false;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    return true;
}

QImage SvgRasterizer::render(const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                           | QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}
