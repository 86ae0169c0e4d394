#pragma once

#include <QSize>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// The command line of `iconrender`: renders an SVG drawing to a PNG, JPG or multi-size ICO file
// at build time, so that only the drawings are kept in the source tree.
class IconRenderCommand
{
public:
    explicit IconRenderCommand(QTextStream& err);

    // Returns the process exit code: 0 success, 1 failure, 2 wrong usage. On failure an existing
    // output file is left as it was.
    int run(const QStringList& arguments);

private:
    bool parseSizes(const QStringList& texts, QVector<QSize>& sizes);
    int usage();
    int fail(const QString& message);

    QTextStream& err;
};
