#include "FormPreview.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(veltrano);
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool sample = arguments.removeAll(QStringLiteral("--sample")) > 0;
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: formpreview [--sample] DOCUMENT OUT.pdf\n"
               "       DOCUMENT is a report file or a shipped default such as :res/reports_en/default.arvatr\n";
        return 2;
    }
    FormPreview preview(err);
    return preview.run(arguments.at(0), arguments.at(1), sample) ? 0 : 1;
}
