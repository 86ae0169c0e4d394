#include "ManualBuilder.h"
#include "ManualPdfWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

// manualpdf <manual.html> <picture folder> <output.pdf>
// Builds one printed manual from its HTML text and the pictures the text names.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        err << "usage: manualpdf <manual.html> <picture folder> <output.pdf>\n";
        return 2;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "manualpdf: cannot read " << source.fileName() << ": " << source.errorString() << "\n";
        return 1;
    }
    ManualBuilder manual(QString::fromUtf8(source.readAll()), arguments.at(2));
    switch (manual.build()) {
    case ManualBuilder::Result::NoContentsMarker:
        err << "manualpdf: " << source.fileName() << " has no " << ManualBuilder::contentsMarker << "\n";
        return 1;
    case ManualBuilder::Result::MissingImages:
        err << "manualpdf: " << source.fileName() << " names pictures missing from " << arguments.at(2) << ": "
            << manual.missingImages().join(QStringLiteral(", ")) << "\n";
        return 1;
    case ManualBuilder::Result::Ok:
        break;
    }
    if (!ManualPdfWriter(manual).write(arguments.at(3))) {
        err << "manualpdf: cannot write " << arguments.at(3) << "\n";
        return 1;
    }
    return 0;
}
