#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestMain.h"

#include <QComboBox>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <unistd.h>

#include <memory>

namespace {
// While it lives the process acts as an ordinary user, for whom file permissions hold; the
// superuser, which the tests usually run as, may open any file.
struct OrdinaryUser
{
    OrdinaryUser()
    {
        if (geteuid() == 0)
            changed = setegid(nogroup) == 0 && seteuid(nobody) == 0;
    }
    ~OrdinaryUser()
    {
        if (changed && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("could not return to the superuser");
    }

    static constexpr uid_t nobody = 65534;
    static constexpr gid_t nogroup = 65534;
    bool changed = false;
};

const QString deniedText = QStringLiteral("You may not open the port \"%1\": permission denied.");
const QString joinGroupText = QStringLiteral(
    "Join the group \"%1\", which owns the port (for example with \"sudo adduser $USER %1\"), then "
    "log out and log in again, so that the membership takes effect.");
} // namespace

class PortPermissionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void deniedPortNamesTheGroupToJoin_data();
    void deniedPortNamesTheGroupToJoin();
    void missingPortKeepsTheConnectionMessage();

private:
    void download(const QString& portPath);

    // Outside the test's private temporary folder, which an ordinary user may not enter.
    QTemporaryDir folder{QStringLiteral("/tmp/veltrano-ports-XXXXXX")};
    std::unique_ptr<ScriptedPrompts> prompts;
};

void PortPermissionTest::initTestCase()
{
    Startup::setIdentity();
    QVERIFY(folder.isValid());
    // Opening the port file as another user needs a way into the folder.
    QVERIFY(QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ExeOther));
}

void PortPermissionTest::cleanupTestCase()
{
    QSettings().clear();
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltrano"));
}

void PortPermissionTest::init()
{
    prompts = std::make_unique<ScriptedPrompts>();
}

void PortPermissionTest::cleanup()
{
    prompts.reset();
}

void PortPermissionTest::download(const QString& portPath)
{
    MainWindow window;
    auto* ports = window.findChild<QComboBox*>(QStringLiteral("portList"));
    ports->addItem(QStringLiteral("ttyTest"), portPath);
    ports->setCurrentIndex(ports->count() - 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("open failed")));
    OrdinaryUser user;
    window.download();
}

void PortPermissionTest::deniedPortNamesTheGroupToJoin_data()
{
    QTest::addColumn<gid_t>("groupId");
    QTest::addColumn<QString>("groupToJoin");
    // Debian's serial adapters belong to dialout; a port of another group names that group.
    QTest::newRow("dialout") << gid_t(20) << QStringLiteral("dialout");
    QTest::newRow("tty") << gid_t(5) << QStringLiteral("tty");
    // A group without a name cannot be joined by name: dialout is where ports usually belong.
    QTest::newRow("unnamed group") << gid_t(54321) << QStringLiteral("dialout");
}

void PortPermissionTest::deniedPortNamesTheGroupToJoin()
{
    QFETCH(gid_t, groupId);
    QFETCH(QString, groupToJoin);
    if (geteuid() != 0)
        QSKIP("giving the port file to another group needs the superuser");
    const QString port = folder.filePath(QStringLiteral("ttyUSB%1").arg(groupId));
    QFile file(port);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // Write without read, for the group and everyone: the port is opened for both.
    QVERIFY(QFile::setPermissions(port, QFile::WriteOwner | QFile::ReadOwner | QFile::WriteGroup | QFile::WriteOther));
    QCOMPARE(chown(QFile::encodeName(port).constData(), uid_t(-1), groupId), 0);

    download(port);
    QCOMPARE(prompts->messageTexts(), QStringList{deniedText.arg(port)});
    QCOMPARE(prompts->last().message.icon, QMessageBox::Warning);
    QCOMPARE(prompts->last().message.informativeText, joinGroupText.arg(groupToJoin));
}

void PortPermissionTest::missingPortKeepsTheConnectionMessage()
{
    download(folder.filePath(QStringLiteral("ttyGone")));
    QCOMPARE(prompts->messageTexts(),
             QStringList{QStringLiteral("Failed to connect. Please check the device is connected and switched on")});
    QVERIFY(prompts->last().message.informativeText.isEmpty());
}

VELTRANO_TEST(PortPermissionTest)
#include "PortPermissionTest.moc"
