#include "DialogLanguageChooser.h"
#include "Globals.h"
#include "SettingsKeys.h"
#include "TestMain.h"
#include "ToolkitCatalogue.h"
#include "TranslationLoader.h"

#include <QComboBox>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
// Catalogue files need only exist: the loader decides by their names.
void addCatalogues(const QTemporaryDir& folder, const QStringList& names)
{
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}
} // namespace

class TranslationLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void chosenLanguageSetsTemplatesAndNames();
    void englishWithoutEnglishCatalogueKeepsGermanDefaults();
    void firstLoadWithoutLocaleStoresEnglish();
    void missingFolderChangesNothing();
    void chooserStoresWhatItShows();
    void shippedToolkitCatalogueGivesGermanButtons();
    void toolkitCatalogueFallsBackToItsBase();
};

void TranslationLoaderTest::init()
{
    QSettings().clear();
    Globals::reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TranslationLoaderTest::chosenLanguageSetsTemplatesAndNames()
{
    QTemporaryDir folder;
    addCatalogues(folder, {QStringLiteral("arventa_de.qm"), QStringLiteral("arventa_en.qm"), QStringLiteral("qt_de.qm")});

    QSettings().setValue(SettingsKeys::locale, QStringLiteral("de_DE"));
    // The empty stand-in is no catalogue: said so, and the installed one is used instead.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("qt_de.qm exists but does not load")));
    TranslationLoader::loadTranslations(folder.path());
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_de"));
    QCOMPARE(Globals::defaultFileNames().inspectionReport, QStringLiteral("Prüfbericht Besichtigung.arvir"));
    QCOMPARE(QLocale().language(), QLocale::German);

    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    TranslationLoader::loadTranslations(folder.path());
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_en"));
    QCOMPARE(Globals::defaultFileNames().testReport, QStringLiteral("Array Test Report.arvatr"));
    QCOMPARE(Globals::reportResource(QStringLiteral("arvatr_rev3.pak")), QStringLiteral(":res/reports_en/arvatr_rev3.pak"));
    QCOMPARE(QLocale().language(), QLocale::English);
}

void TranslationLoaderTest::englishWithoutEnglishCatalogueKeepsGermanDefaults()
{
    QTemporaryDir folder;
    addCatalogues(folder, {QStringLiteral("arventa_de.qm")});
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    QLocale::setDefault(QLocale(QLocale::French));

    TranslationLoader::loadTranslations(folder.path());
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_de"));
    QCOMPARE(Globals::defaultFileNames().checklist, QStringLiteral("Übergabe-Checkliste.arvchk"));
    QCOMPARE(QLocale().language(), QLocale::French);
}

void TranslationLoaderTest::firstLoadWithoutLocaleStoresEnglish()
{
    QTemporaryDir folder;
    addCatalogues(folder, {QStringLiteral("arventa_en.qm")});
    TranslationLoader::loadTranslations(folder.path());
    QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("en"));
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_en"));
}

void TranslationLoaderTest::missingFolderChangesNothing()
{
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    TranslationLoader::loadTranslations(QStringLiteral("/nonexistent/Translations"));
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_de"));
}

void TranslationLoaderTest::chooserStoresWhatItShows()
{
    QTemporaryDir folder;
    addCatalogues(folder, {QStringLiteral("arventa_de.qm"), QStringLiteral("arventa_en.qm")});
    {
        DialogLanguageChooser chooser(folder.path());
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Please Select a Language"));
        QCOMPARE(chooser.languageList()->count(), 2);
        QCOMPARE(chooser.languageList()->currentText(), QStringLiteral("English"));
        chooser.accept();
        QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("en_US"));
    }
    {
        DialogLanguageChooser chooser(folder.path());
        const int german = chooser.languageList()->findText(QStringLiteral("German"));
        QVERIFY(german >= 0);
        chooser.setLocale(german);
        chooser.accept();
        QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("de_DE"));
    }
    {
        DialogLanguageChooser chooser(folder.path());
        chooser.setLocale(chooser.languageList()->findText(QStringLiteral("German")));
        chooser.reject();
        QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("en"));
    }
}

void TranslationLoaderTest::shippedToolkitCatalogueGivesGermanButtons()
{
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/Translations");
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("de_DE"));
    TranslationLoader::loadTranslations(shipped);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("Datei&name:"));
    QTranslator fromFolder;
    QVERIFY(ToolkitCatalogue::load(fromFolder, shipped, QStringLiteral("de")));
    QCOMPARE(fromFolder.filePath(), shipped + QStringLiteral("/qt_de.qm"));

    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    TranslationLoader::loadTranslations(shipped);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

void TranslationLoaderTest::toolkitCatalogueFallsBackToItsBase()
{
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/Translations");
    QTemporaryDir folder;
    // The combined catalogue without the ones it names: reported, then its base is used.
    QVERIFY(QFile::copy(shipped + QStringLiteral("/qt_de.qm"), folder.filePath(QStringLiteral("qt_de.qm"))));
    QVERIFY(QFile::copy(shipped + QStringLiteral("/qtbase_de.qm"), folder.filePath(QStringLiteral("qtbase_de.qm"))));
    QTranslator translator;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("qt_de.qm exists but does not load")));
    QVERIFY(ToolkitCatalogue::load(translator, folder.path(), QStringLiteral("de")));
    QCOMPARE(translator.filePath(), folder.filePath(QStringLiteral("qtbase_de.qm")));
    QCOMPARE(translator.translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));

    QTranslator english;
    QVERIFY(!ToolkitCatalogue::load(english, folder.path(), QStringLiteral("xx")));
}

VELTRANO_TEST(TranslationLoaderTest)
#include "TranslationLoaderTest.moc"
