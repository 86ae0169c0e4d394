#include "IconRenderCommand.h"

#include "IcoFile.h"
#include "SvgRasterizer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
constexpr int jpegQuality = 92;

// JPEG keeps no transparency: what would be transparent becomes white, as on paper.
QColor backgroundFor(const QByteArray& format)
{
    return format == "jpg" ? QColor(Qt::white) : QColor(Qt::transparent);
}

QByteArray formatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("ico"))
        return suffix.toLatin1();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpg";
    return QByteArray();
}

bool encode(const QVector<QImage>& images, const QByteArray& format, QByteArray& bytes, QString& error)
{
    if (format == "ico")
        return IcoFile::compose(images, bytes, error);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpg") {
        writer.setQuality(jpegQuality);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(images.first())) {
        error = writer.errorString();
        return false;
    }
    return true;
}
} // namespace

IconRenderCommand::IconRenderCommand(QTextStream& err)
    : err(err)
{
}

int IconRenderCommand::usage()
{
    err << "usage: iconrender INPUT.svg OUTPUT.png|.jpg|.ico SIZE [SIZE...]\n"
           "       SIZE is N (N x N pixels) or WxH; only an .ico file holds several sizes\n";
    return 2;
}

int IconRenderCommand::fail(const QString& message)
{
    err << "iconrender: " << message << '\n';
    return 1;
}

bool IconRenderCommand::parseSizes(const QStringList& texts, QVector<QSize>& sizes)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,3})(?:x([1-9][0-9]{0,3}))?$"));
    for (const QString& text : texts) {
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch()) {
            err << "iconrender: \"" << text << "\" is not a size (N or WxH pixels).\n";
            return false;
        }
        const int width = match.captured(1).toInt();
        const int height = match.captured(2).isEmpty() ? width : match.captured(2).toInt();
        sizes.append(QSize(width, height));
    }
    return true;
}

int IconRenderCommand::run(const QStringList& arguments)
{
    if (arguments.size() < 3)
        return usage();
    const QString input = arguments.at(0);
    const QString output = arguments.at(1);
    QVector<QSize> sizes;
    if (!parseSizes(arguments.mid(2), sizes))
        return usage();
    const QByteArray format = formatOf(output);
    if (format.isEmpty())
        return fail(QStringLiteral("Cannot tell the picture format of \"%1\": use .png, .jpg or .ico.").arg(output));
    if (format != "ico" && sizes.size() > 1)
        return fail(QStringLiteral("\"%1\" can hold only one size; only an .ico file holds several.").arg(output));

    SvgRasterizer rasterizer;
    QString error;
    if (!rasterizer.load(input, error))
        return fail(error);
    QVector<QImage> images;
    for (const QSize& size : qAsConst(sizes))
        images.append(rasterizer.render(size, backgroundFor(format)));
    QByteArray bytes;
    if (!encode(images, format, bytes, error))
        return fail(QStringLiteral("Cannot encode \"%1\": %2").arg(output, error));

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("Cannot write \"%1\": %2").arg(output, file.errorString()));
    return 0;
}
