#include "PdfDocumentInfo.h"
#include "TestMain.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The information dictionary added to a finished PDF, read back by an independent reader.
class PdfDocumentInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void textIsUtf16WithByteOrderMark();
    void readersSeeTheAddedInformation();
    void fileWithoutTrailerStaysAsItWas();
};

namespace {
// A one-page PDF written by hand: catalogue, page tree, page; offsets counted for its xref.
QByteArray minimalPdf()
{
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    const QList<QByteArray> objects{"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"};
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 4\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size 4 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QString pdfinfo(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}
} // namespace

void PdfDocumentInfoTest::textIsUtf16WithByteOrderMark()
{
    QCOMPARE(PdfDocumentInfo::textString(QStringLiteral("A(")), QByteArray("<FEFF00410028>"));
    // U+00FC, and U+1F600 as its surrogate pair.
    QCOMPARE(PdfDocumentInfo::textString(QStringLiteral("\u00FC\U0001F600")), QByteArray("<FEFF00FCD83DDE00>"));
    QCOMPARE(PdfDocumentInfo::textString(QString()), QByteArray("<FEFF>"));
}

void PdfDocumentInfoTest::readersSeeTheAddedInformation()
{
    PdfDocumentInfo info;
    info.title = QStringLiteral("Roof (east) \\ 2");
    info.author = QStringLiteral("J\u00F6rg M\u00FCller");
    info.creator = QStringLiteral("Veltrano 3.1");
    const QByteArray original = minimalPdf();
    const QByteArray updated = info.appendedTo(original);
    QVERIFY(updated.startsWith(original));

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("one.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(updated);
    file.close();
    const QString read = pdfinfo(file.fileName());
    const auto field = [&read](const QString& name, const QString& value) {
        return read.contains(QRegularExpression(QStringLiteral("(^|\\n)%1:\\s+%2\\n").arg(name, QRegularExpression::escape(value))));
    };
    QVERIFY2(field(QStringLiteral("Title"), QStringLiteral("Roof (east) \\ 2")), qPrintable(read));
    QVERIFY2(field(QStringLiteral("Author"), QStringLiteral("J\u00F6rg M\u00FCller")), qPrintable(read));
    QVERIFY2(field(QStringLiteral("Creator"), QStringLiteral("Veltrano 3.1")), qPrintable(read));
    QVERIFY2(field(QStringLiteral("Pages"), QStringLiteral("1")), qPrintable(read));
    QVERIFY2(!read.contains(QStringLiteral("Error")), qPrintable(read));
}

void PdfDocumentInfoTest::fileWithoutTrailerStaysAsItWas()
{
    PdfDocumentInfo info;
    info.title = QStringLiteral("x");
    const QByteArray cut = minimalPdf().left(120);
    QCOMPARE(info.appendedTo(cut), cut);
    QCOMPARE(info.appendedTo(QByteArray()), QByteArray());
}

VELTRANO_TEST(PdfDocumentInfoTest)

#include "PdfDocumentInfoTest.moc"
