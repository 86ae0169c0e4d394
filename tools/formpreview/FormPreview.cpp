#include "FormPreview.h"

#include "Globals.h"
#include "ReportContainer.h"
#include "ReportPrinter.h"
#include "ReportScene.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QUndoStack>

namespace {
const QString longSample = QStringLiteral(
    "Sonnenhof Solar GmbH & Co. KG, Am Kraftwerk 12, 79100 Freiburg im Breisgau\n"
    "Roof array south-west, 3 strings of 18 modules, 21.6 kWp");
const QString shortSample = QStringLiteral("Hans-Joachim Müller, 12/05/2026");
} // namespace

FormPreview::FormPreview(QTextStream& err)
    : err(err)
{
}

bool FormPreview::readXml(const QString& path, QDomDocument& document, BlobList& blobs)
{
    const ReportContainer::Status status = ReportContainer::read(path, blobs);
    if (status != ReportContainer::Status::Ok) {
        err << ReportContainer::describe(status, path) << '\n';
        return false;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(blobs.first().data, &message, &line, &column)) {
        err << path << ':' << line << ':' << column << ": " << message << '\n';
        return false;
    }
    return true;
}

void FormPreview::fillWithSamples(QDomElement root)
{
    const QDomNodeList texts = root.elementsByTagName(QStringLiteral("text"));
    for (int i = 0; i < texts.size(); ++i) {
        QDomElement text = texts.at(i).toElement();
        while (text.hasChildNodes())
            text.removeChild(text.firstChild());
        text.appendChild(root.ownerDocument().createTextNode(i % 3 == 0 ? longSample : shortSample));
    }
    const QDomNodeList boxes = root.elementsByTagName(QStringLiteral("checkBox"));
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i).toElement().setAttribute(QStringLiteral("checked"), i % 2 == 0 ? "true" : "false");
    const QDomNodeList tables = root.elementsByTagName(QStringLiteral("table"));
    for (int i = 0; i < tables.size(); ++i) {
        QDomElement table = tables.at(i).toElement();
        for (int row = 1; row < 25; ++row) {
            for (int column = 2; column < 8; ++column) {
                QDomElement cell = root.ownerDocument().createElement(QStringLiteral("cell"));
                cell.setAttribute(QStringLiteral("row"), row);
                cell.setAttribute(QStringLiteral("col"), column);
                const QString value = row == 1 ? QStringLiteral("Mono 400 W, 108 cells")
                                               : QString::number(row * 37.5 + column, 'f', 1);
                cell.appendChild(root.ownerDocument().createTextNode(value));
                table.appendChild(cell);
            }
        }
    }
}

bool FormPreview::run(const QString& documentPath, const QString& pdfPath, bool sample)
{
    QDomDocument document;
    BlobList documentBlobs;
    if (!readXml(documentPath, document, documentBlobs))
        return false;
    const QDomElement root = document.documentElement();
    const QString templatePath = root.attribute(QStringLiteral("resPak"));
    // Check boxes draw from the language folder of the template, as a document opened in the
    // other language than the user interface's still shows its own.
    const QRegularExpressionMatch folder =
        QRegularExpression(QStringLiteral("^:res/(reports_[a-z]+)/")).match(templatePath);
    if (!folder.hasMatch()) {
        err << documentPath << ": the template \"" << templatePath << "\" is not a shipped one\n";
        return false;
    }
    Globals::setReportsFolder(folder.captured(1));
    ReportScene::setScreenDpiY(96);

    QDomDocument layout;
    BlobList layoutBlobs;
    if (!readXml(templatePath, layout, layoutBlobs))
        return false;
    if (sample)
        fillWithSamples(root);

    QUndoStack stack;
    ReportScene scene(&stack);
    scene.setTemplatePath(templatePath);
    scene.buildLayout(layout.documentElement(), layoutBlobs);
    scene.applyValues(root, documentBlobs);
    if (scene.pages().isEmpty()) {
        err << templatePath << ": the template has no pages\n";
        return false;
    }

    QPrinter printer(QPrinter::HighResolution);
    ReportPrinter::prepare(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    scene.clearFocus();
    if (!ReportPrinter(scene).paint(&printer)) {
        err << "Could not write \"" << pdfPath << "\"\n";
        return false;
    }
    return true;
}
