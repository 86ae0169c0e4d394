#include "ListSeparator.h"
#include "RecycleBin.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString makeFile(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("content");
    return file.fileName();
}

QString trashFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
}
} // namespace

class PlatformLayersTest : public QObject
{
    Q_OBJECT

private slots:
    void trashAsksOnceNamingTheItems();
    void declinedTrashKeepsEverything();
    void listSeparatorFollowsTheDecimalPoint();
    void trashRecordsSpacesAndUmlautsRestorably();
};

void PlatformLayersTest::trashAsksOnceNamingTheItems()
{
    QTemporaryDir folder;
    const QString report = makeFile(folder.path(), QStringLiteral("Prüfbericht.arvir"));
    const QString photo = makeFile(folder.path(), QStringLiteral("roof.jpg"));
    QDir(folder.path()).mkdir(QStringLiteral("Old Project"));
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Yes);

    QVERIFY(RecycleBin::moveToTrash({report, photo, folder.filePath(QStringLiteral("Old Project"))}, nullptr));

    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("Move these 3 items to the trash?\nPrüfbericht.arvir\nroof.jpg\nOld Project"));
    QCOMPARE(prompts.last().message.informativeText, QStringLiteral("You can restore them from the trash."));
    QVERIFY(QDir(folder.path()).isEmpty());
    QVERIFY(QFile::exists(trashFolder() + QStringLiteral("/Prüfbericht.arvir")));
    QVERIFY(QDir(trashFolder() + QStringLiteral("/Old Project")).exists());
}

void PlatformLayersTest::trashRecordsSpacesAndUmlautsRestorably()
{
    QTemporaryDir folder;
    const QString report = makeFile(folder.path(), QStringLiteral("Prüf bericht #2%.arvir"));
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(RecycleBin::moveToTrash({report}, nullptr));

    // The desktop restores from the Path line, which the trash format keeps URL-escaped: UTF-8
    // bytes, spaces, "#" and "%" as %XX, the slashes as they are.
    const QString folderPath = QFileInfo(folder.path()).absoluteFilePath();
    // Only the file's name needs escaping, so the expected line can be written out.
    QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z0-9_.~/-]+$")).match(folderPath).hasMatch(),
             qPrintable(folderPath));
    QFile info(trashFolder() + QStringLiteral("/../info/Prüf bericht #2%.arvir.trashinfo"));
    QVERIFY(info.open(QIODevice::ReadOnly));
    const QByteArray content = info.readAll();
    const QByteArray expected = "\nPath=" + folderPath.toLatin1() + "/Pr%C3%BCf%20bericht%20%232%25.arvir\n";
    QVERIFY2(content.contains(expected), content.constData());
}

void PlatformLayersTest::declinedTrashKeepsEverything()
{
    QTemporaryDir folder;
    const QString report = makeFile(folder.path(), QStringLiteral("report.arvatr"));
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::No);

    QVERIFY(!RecycleBin::moveToTrash({report}, nullptr));
    QCOMPARE(prompts.last().message.text, QStringLiteral("Move \"report.arvatr\" to the trash?"));
    QCOMPARE(prompts.last().message.informativeText, QStringLiteral("You can restore it from the trash."));
    QVERIFY(QFile::exists(report));

    // A file that vanished meanwhile is reported, not silently counted as deleted.
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(!RecycleBin::moveToTrash({folder.filePath(QStringLiteral("gone.arvir"))}, nullptr));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(prompts.last().message.text.contains(QStringLiteral("gone.arvir")));
}

void PlatformLayersTest::listSeparatorFollowsTheDecimalPoint()
{
    QCOMPARE(ListSeparator::forLocale(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral(";"));
    QCOMPARE(ListSeparator::forLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)), QStringLiteral(","));
}

VELTRANO_TEST(PlatformLayersTest)
#include "PlatformLayersTest.moc"
