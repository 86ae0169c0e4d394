#include "StagedPdfFile.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray wholePdf = "%PDF-1.4\n1 0 obj << >> endobj\ntrailer << >>\n%%EOF\n";

bool put(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

// A printed PDF is put in place whole or not at all, and a failure names the file for the window
// to show.
class StagedPdfFileTest : public QObject
{
    Q_OBJECT

private slots:
    void wholePrintTakesThePlaceOfTheOldFile();
    void cutOffPrintLeavesTheOldFileAndSaysWhy();
    void vanishedFolderIsNamedInTheFailure();
};

void StagedPdfFileTest::wholePrintTakesThePlaceOfTheOldFile()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("Report.pdf"));
    QVERIFY(put(target, "old"));
    StagedPdfFile output(target);
    QVERIFY(put(output.printPath(), wholePdf));
    QVERIFY(!output.putInPlace().failed());
    QCOMPARE(contentsOf(target), wholePdf);
}

void StagedPdfFileTest::cutOffPrintLeavesTheOldFileAndSaysWhy()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("Report.pdf"));
    QVERIFY(put(target, "old"));
    StagedPdfFile output(target);
    QVERIFY(put(output.printPath(), wholePdf.left(wholePdf.size() - 7)));
    const Failure failure = output.putInPlace();
    QCOMPARE(failure.text, QStringLiteral("Error opening %1 for writing").arg(QDir::toNativeSeparators(target)));
    QVERIFY2(failure.informativeText.startsWith(QStringLiteral("The temporary folder ")),
             qPrintable(failure.informativeText));
    QCOMPARE(contentsOf(target), QByteArray("old"));
}

void StagedPdfFileTest::vanishedFolderIsNamedInTheFailure()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("gone/Report.pdf"));
    StagedPdfFile output(target);
    QVERIFY(put(output.printPath(), wholePdf));
    const Failure failure = output.putInPlace();
    QCOMPARE(failure.text, QStringLiteral("Error opening %1 for writing").arg(QDir::toNativeSeparators(target)));
    QVERIFY(!failure.informativeText.isEmpty());
    QVERIFY(!QFile::exists(target));
}

VELTRANO_TEST(StagedPdfFileTest)
#include "StagedPdfFileTest.moc"
