#include "AbstractDocument.h"
#include "DocumentLock.h"
#include "MainWindow.h"
#include "ProjectModel.h"
#include "ShellFixture.h"
#include "TestDocument.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTest>

namespace {
// A lock as the programs write it: process id, program and computer, one a line.
void holdAsIf(const QString& document, qint64 pid, const QString& program, const QString& computer)
{
    QFile lock(DocumentLock::lockPathOf(document));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + computer.toUtf8() + '\n');
}

// A process id that no process has: the highest the system hands out is below it.
qint64 deadProcessId()
{
    QFile maximum(QStringLiteral("/proc/sys/kernel/pid_max"));
    return maximum.open(QIODevice::ReadOnly) ? maximum.readAll().trimmed().toLongLong() + 1 : 4194305;
}
} // namespace

class DocumentLockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openDocumentHoldsAHiddenLockUntilClosed();
    void someoneElsesDocumentOpensReadOnlyOnYes();
    void someoneElsesDocumentStaysClosedOnNo();
    void lockLeftByACrashIsTakenOver();

private:
    std::unique_ptr<ShellFixture> fixture;
    std::unique_ptr<MainWindow> window;
};

void DocumentLockTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    TestDocument::registerAsAllDocuments();
}

void DocumentLockTest::init()
{
    fixture = std::make_unique<ShellFixture>();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void DocumentLockTest::cleanup()
{
    window.reset();
    fixture.reset();
}

void DocumentLockTest::openDocumentHoldsAHiddenLockUntilClosed()
{
    const QString report = fixture->writeFile(QStringLiteral("Farm/Report.arvatr"));
    const QString lock = DocumentLock::lockPathOf(report);
    QCOMPARE(lock, fixture->path(QStringLiteral("Farm/.Report.arvatr.lock")));

    AbstractDocument* doc = window->openDocument(report);
    QVERIFY(doc && doc->isValid());
    QVERIFY(QFile::exists(lock));
    QVERIFY(!doc->isReadOnly());
    ProjectModel model;
    const QModelIndex farm = model.setRootPath(fixture->path(QStringLiteral("Farm")));
    QTRY_COMPARE(model.rowCount(farm), 1);
    QCOMPARE(model.fileName(model.index(0, 0, farm)), QStringLiteral("Report.arvatr"));

    window->closeDocument(doc);
    QTRY_VERIFY(!QFile::exists(lock));
    QVERIFY(fixture->prompts.shown().isEmpty());
}

void DocumentLockTest::someoneElsesDocumentOpensReadOnlyOnYes()
{
    const QString report = fixture->writeFile(QStringLiteral("Report.arvatr"));
    holdAsIf(report, 4242, QStringLiteral("Veltrano"), QStringLiteral("site-laptop"));
    fixture->prompts.answerMessage(QMessageBox::Yes);

    AbstractDocument* doc = window->openDocument(report);

    QVERIFY(doc);
    QCOMPARE(fixture->prompts.shown().size(), 1);
    QVERIFY2(fixture->prompts.last().message.text.startsWith(
                 QStringLiteral("\"Report.arvatr\" is already open in Veltrano on the computer \"site-laptop\" since ")),
             qPrintable(fixture->prompts.last().message.text));
    QVERIFY(doc->isReadOnly());
    QCOMPARE(doc->displayTitle(), QStringLiteral("Report.arvatr (read-only)"));
    window->closeDocument(doc);
    // Not ours to remove.
    QVERIFY(QFile::exists(DocumentLock::lockPathOf(report)));
}

void DocumentLockTest::someoneElsesDocumentStaysClosedOnNo()
{
    const QString report = fixture->writeFile(QStringLiteral("Report.arvatr"));
    holdAsIf(report, 4242, QStringLiteral("Veltrano"), QStringLiteral("site-laptop"));
    fixture->prompts.answerMessage(QMessageBox::No);

    QCOMPARE(window->openDocument(report), nullptr);
    QVERIFY(window->documents().isEmpty());
    QVERIFY(QFile::exists(DocumentLock::lockPathOf(report)));
}

void DocumentLockTest::lockLeftByACrashIsTakenOver()
{
    const QString report = fixture->writeFile(QStringLiteral("Report.arvatr"));
    holdAsIf(report, deadProcessId(), QStringLiteral("Veltrano"), QSysInfo::machineHostName());

    AbstractDocument* doc = window->openDocument(report);

    QVERIFY(doc && !doc->isReadOnly());
    QVERIFY(fixture->prompts.shown().isEmpty());
    window->closeDocument(doc);
    QTRY_VERIFY(!QFile::exists(DocumentLock::lockPathOf(report)));
}

VELTRANO_TEST(DocumentLockTest)
#include "DocumentLockTest.moc"
