#include "AbstractDocument.h"
#include "CurveModulesChooser.h"
#include "CurveModulesDlg.h"
#include "CurveModulesEditDlg.h"
#include "DialogAbout.h"
#include "DialogComponentSettings.h"
#include "DialogImportResults.h"
#include "DialogSettings.h"
#include "DialogWelcome.h"
#include "DocumentFactory.h"
#include "Folders.h"
#include "Globals.h"
#include "MainWindow.h"
#include "ShellFixture.h"
#include "TestMain.h"
#include "UntranslatedTexts.h"

#include <QFile>
#include <QTest>
#include <QTranslator>

#include <memory>

// A German session shows no English: every window's widgets, actions, tabs and headers are
// walked for texts that the German catalogue translates.
class GermanTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mainWindowAndItsDocuments();
    void everyKindOfDocument_data();
    void everyKindOfDocument();
    void dialogs();

private:
    void expectGerman(QWidget* window);
    QString copyOfGermanDefault(const QString& kind) const;

    std::unique_ptr<ShellFixture> fixture;
    std::unique_ptr<QTranslator> german;
    std::unique_ptr<QTranslator> toolkitGerman;
    std::unique_ptr<UntranslatedTexts> english;
};

void GermanTextsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    // Other tests of this program may have put stand-ins in place of the real documents.
    DocumentFactory::restoreBuiltInMakers();
    english = std::make_unique<UntranslatedTexts>(QStringLiteral(TRANSLATIONS_SOURCE_DIR "/arventa_de.ts"));
    QVERIFY(english->isLoaded());
}

void GermanTextsTest::init()
{
    fixture = std::make_unique<ShellFixture>();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Translations/");
    german = std::make_unique<QTranslator>();
    QVERIFY(german->load(folder + QStringLiteral("arventa_de.qm")));
    QCoreApplication::installTranslator(german.get());
    // The toolkit's own texts: the file tree's headers, the document windows' system menu.
    toolkitGerman = std::make_unique<QTranslator>();
    QVERIFY(toolkitGerman->load(folder + QStringLiteral("qt_de.qm")));
    QCoreApplication::installTranslator(toolkitGerman.get());
    Globals::setReportsFolder(QStringLiteral("reports_de"));
}

void GermanTextsTest::cleanup()
{
    QCoreApplication::removeTranslator(german.get());
    QCoreApplication::removeTranslator(toolkitGerman.get());
    german.reset();
    toolkitGerman.reset();
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    fixture.reset();
}

void GermanTextsTest::expectGerman(QWidget* window)
{
    const QStringList left = english->in(window);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
}

void GermanTextsTest::mainWindowAndItsDocuments()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openDocument(QStringLiteral("%1/Search Results").arg(Folders::instance().dataFolder())));
    expectGerman(&window);
}

QString GermanTextsTest::copyOfGermanDefault(const QString& kind) const
{
    const QString copy = fixture->path(QStringLiteral("document.") + kind);
    if (!QFile::copy(QStringLiteral(":res/reports_de/default.") + kind, copy))
        return {};
    // Resource files come read-only; the document would open as such and hide its editing tools.
    QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    return copy;
}

void GermanTextsTest::everyKindOfDocument_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"arvir", "arvatr", "arvvc", "arvchk", "arvid", "arvcrv"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// The documents' tool bars, tool tips, column headers and menus, shown inside the main window.
void GermanTextsTest::everyKindOfDocument()
{
    QFETCH(QString, kind);
    const QString path = copyOfGermanDefault(kind);
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AbstractDocument* document = window.openDocument(path);
    QVERIFY(document && document->isValid());
    expectGerman(&window);
}

void GermanTextsTest::dialogs()
{
    MainWindow window;
    DialogSettings settings(&window);
    expectGerman(&settings);
    DialogAbout about(&window);
    expectGerman(&about);
    DialogWelcome welcome(&window);
    expectGerman(&welcome);
    DialogImportResults import(&window);
    expectGerman(&import);
    DialogComponentSettings component(&window);
    expectGerman(&component);
    IVCurve::CurveModulesDlg modules(&window);
    expectGerman(&modules);
    IVCurve::CurveModulesChooser chooser(0, 1, &window);
    expectGerman(&chooser);
    IVCurve::CurveModulesEditDlg moduleEditor(&window);
    expectGerman(&moduleEditor);
}

VELTRANO_TEST(GermanTextsTest)
#include "GermanTextsTest.moc"
