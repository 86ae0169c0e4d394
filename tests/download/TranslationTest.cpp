#include "DialogLanguage.h"
#include "MainWindow.h"
#include "QuilletSettingsKeys.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "TranslationLoader.h"
#include "UntranslatedTexts.h"

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QStatusBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The shipped catalogues and help pages, as the program finds them beside itself.
class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storedGermanCatalogueTranslatesTheWindow();
    void noCatalogueAtAllIsAFailure();
    void firstStartSpeaksTheSessionsLanguage_data();
    void firstStartSpeaksTheSessionsLanguage();
    void helpOpensThePageOfTheLanguage();
    void helpFallsBackToEnglish();
    void theProgramHasOneName();

private:
    QLocale originalLocale;
};

void TranslationTest::init()
{
    QSettings().clear();
    originalLocale = QLocale();
}

void TranslationTest::cleanup()
{
    QLocale::setDefault(originalLocale);
}

void TranslationTest::storedGermanCatalogueTranslatesTheWindow()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Translations");
    const QVector<LanguageEntry> entries = DialogLanguage::entries(folder);
    QVERIFY(entries.size() >= 2);
    QCOMPARE(entries.first().code, QStringLiteral("en"));

    QSettings().setValue(QuilletSettingsKeys::languageFilePath(), folder + QStringLiteral("/TorvaneQuillet_de.qm"));
    QSettings().setValue(QuilletSettingsKeys::languageCode(), QStringLiteral("de"));
    {
        QObject translators;
        QVERIFY(TranslationLoader::load(folder, &translators));
        QCOMPARE(QLocale().name().left(2), QStringLiteral("de"));
        MainWindow window;
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("downloadButton"))->text(), QStringLiteral("Herunterladen"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("saveButton"))->text(), QStringLiteral("Speichern"));
        // The German hint for a missing port fits the status bar at the window's first size.
        ScriptedPrompts prompts;
        window.findChild<QComboBox*>(QStringLiteral("portList"))->clear();
        window.show();
        window.download();
        const QString noPort = window.statusBar()->currentMessage();
        QCOMPARE(noPort, QStringLiteral("Kein Anschluss: Gerät anstecken, aktualisieren"));
        QCOMPARE(window.width(), 451);
        QVERIFY(window.statusBar()->fontMetrics().horizontalAdvance(noPort) < window.width() - 20);
        // Nothing the window or the language dialog shows is left in English.
        const UntranslatedTexts english(QStringLiteral(TRANSLATIONS_SOURCE_DIR "/TorvaneQuillet_de.ts"));
        QVERIFY(english.isLoaded());
        QCOMPARE(english.in(&window), QStringList());
        DialogLanguage dialog(folder, &window);
        QCOMPARE(english.in(&dialog), QStringList());
        QCOMPARE(QCoreApplication::translate("MainWindow", "You may not open the port \"%1\": permission denied.",
                                             "Error Message"),
                 QStringLiteral("Sie dürfen den Anschluss „%1“ nicht öffnen: Zugriff verweigert."));
        // The toolkit's own texts too: standard buttons and the save dialog.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("Datei&name:"));
    }
    // Gone with their owner.
    MainWindow window;
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("downloadButton"))->text(), QStringLiteral("Download"));
    // The walk does find English where it is left.
    const QStringList english =
        UntranslatedTexts(QStringLiteral(TRANSLATIONS_SOURCE_DIR "/TorvaneQuillet_de.ts")).in(&window);
    QVERIFY(english.contains(QStringLiteral("Downloaded Output")));
    QVERIFY(english.contains(QStringLiteral("Refreshes the list of COM ports")));
}

void TranslationTest::noCatalogueAtAllIsAFailure()
{
    QTemporaryDir empty;
    QObject translators;
    const QLocale before = QLocale();
    QVERIFY(!TranslationLoader::load(empty.path(), &translators));
    QCOMPARE(QLocale(), before);
}

void TranslationTest::firstStartSpeaksTheSessionsLanguage_data()
{
    const QString systemCode = QLocale::system().language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
    QTest::addColumn<QString>("veltranoLanguage");
    QTest::addColumn<QString>("code");
    QTest::newRow("Veltrano in German") << "de" << "de";
    QTest::newRow("Veltrano in English") << "en" << "en";
    QTest::newRow("Veltrano in a language without catalogue") << "fr" << systemCode;
    QTest::newRow("Veltrano never started") << "" << systemCode;
}

void TranslationTest::firstStartSpeaksTheSessionsLanguage()
{
    QFETCH(QString, veltranoLanguage);
    QFETCH(QString, code);
    QSettings veltrano(QStringLiteral("Torvane"), QStringLiteral("Veltrano"));
    veltrano.clear();
    if (!veltranoLanguage.isEmpty())
        veltrano.setValue(QStringLiteral("locale"), veltranoLanguage);
    veltrano.sync();
    // A language dialog would wait for the user: close it, and note that it came.
    bool asked = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            asked = true;
            dialog->close();
        }
    });
    closer.start(50);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Translations");
    {
        QObject translators;
        QVERIFY(TranslationLoader::load(folder, &translators));
        QVERIFY(!asked);
        QCOMPARE(QLocale().name().left(2), code);
        MainWindow window;
        const QString download = window.findChild<QPushButton*>(QStringLiteral("downloadButton"))->text();
        QCOMPARE(download, code == QLatin1String("de") ? QStringLiteral("Herunterladen") : QStringLiteral("Download"));
    }
    // Nothing is stored: the choice stays the user's, and a later Veltrano language is followed.
    QVERIFY(!QSettings().contains(QuilletSettingsKeys::languageFilePath()));
    QVERIFY(!QSettings().contains(QuilletSettingsKeys::languageCode()));
    veltrano.clear();
}

void TranslationTest::helpOpensThePageOfTheLanguage()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScriptedPrompts prompts;
    MainWindow window;
    window.showHelp();
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/Help/TorvaneVurerQuilletHelp_de.html");
    QCOMPARE(prompts.last().kind, ShownPrompt::Desktop);
    QCOMPARE(prompts.last().url, QUrl::fromLocalFile(page).toString());
    QVERIFY(QFile::exists(page));
}

void TranslationTest::helpFallsBackToEnglish()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ScriptedPrompts prompts;
    MainWindow window;
    window.showHelp();
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/Help/TorvaneVurerQuilletHelp_en.html");
    QCOMPARE(prompts.last().url, QUrl::fromLocalFile(page).toString());
    QVERIFY(QFile::exists(page));
}

void TranslationTest::theProgramHasOneName()
{
    const QString name = QStringLiteral("TorvaneQuillet");
    ScriptedPrompts prompts;
    MainWindow window;
    QCOMPARE(window.windowTitle(), name);
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("actionAbout"))->toolTip(),
             QStringLiteral("Shows version information about TorvaneQuillet"));
    window.showAbout();
    QCOMPARE(prompts.last().message.title, QStringLiteral("About TorvaneQuillet"));
    QCOMPARE(prompts.last().message.text, QStringLiteral("TorvaneQuillet\n\n %1\n").arg(QCoreApplication::applicationVersion()));

    // Any other name, or the short one standing alone, in the help pages and the catalogues.
    const QRegularExpression otherName(QStringLiteral("Kestrow|Dudav|Vurer|(?<!Torvane)Quillet"));
    QStringList texts;
    for (const QString& code : {QStringLiteral("en"), QStringLiteral("de")}) {
        QFile page(QCoreApplication::applicationDirPath() + QStringLiteral("/Help/TorvaneVurerQuilletHelp_%1.html").arg(code));
        QVERIFY(page.open(QIODevice::ReadOnly));
        texts << QString::fromUtf8(page.readAll());
        QFile catalogue(QStringLiteral(TRANSLATIONS_SOURCE_DIR "/TorvaneQuillet_%1.ts").arg(code));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        // Only what is shown: the catalogue's own file name is no text of the program.
        texts << QString::fromUtf8(catalogue.readAll()).remove(QRegularExpression(QStringLiteral("<TS[^>]*>")));
    }
    for (const QString& text : qAsConst(texts))
        QVERIFY2(!otherName.match(text).hasMatch(), qPrintable(otherName.match(text).captured()));
}

VELTRANO_TEST(TranslationTest)
#include "TranslationTest.moc"
