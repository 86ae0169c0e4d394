#include "AppIdentity.h"
#include "DiagnosisSettings.h"
#include "DiagnosisThresholdsPage.h"
#include "DialogAbout.h"
#include "DialogSettings.h"
#include "DialogWelcome.h"
#include "Folders.h"
#include "Globals.h"
#include "MainWindow.h"
#include "Manual.h"
#include "ProjectTreeView.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"
#include "ShellFixture.h"
#include "StartUp.h"
#include "TestMain.h"
#include "TranslationLoader.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QDoubleSpinBox>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

namespace {
const QStringList restorable{QStringLiteral("arvir"), QStringLiteral("arvatr"), QStringLiteral("arvvc"),
                             QStringLiteral("arvchk")};

void writeFavourite(const QString& extension, const QByteArray& contents)
{
    QFile file(ReportFavourites::favouritePath(extension));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// The splash processes events before the pass's event loop runs; a window closed then would
// leave that loop waiting for ever.
void whenTheLoopRuns(QObject* context, const std::function<void()>& act)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, act] {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        poll->stop();
        act();
    });
    poll->start(5);
}

QAction* languageEntry(MainWindow* window, QLocale::Language language)
{
    for (QAction* entry : window->languageMenu()->actions()) {
        if (entry->data().toLocale().language() == language)
            return entry;
    }
    return nullptr;
}
} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void settingsWithoutFavouritesOffersNoRestore();
    void modifiedFavouriteCanBeRestored();
    void browseReplacesTheRootText();
    void okWithAMissingFolderAnsweredNoStaysOpen();
    void okWithANewFolderReRootsTheTree();
    void reportThresholdIsKeptOnOkOnly();
    void diagnosisLimitsAreKeptOnOkOnly();
    void welcomeNeedsAChoiceBeforeOk();
    void aboutShowsItsWholePicture();
    void welcomeCanBeTurnedOff();
    void tutorialOpensTheManualOrSaysItIsMissing();
    void helpOpensTheManualOfTheCurrentLanguage();
    void cancelledLanguageChangeChangesNothing();
    void languageChangeDeletesFavouritesAndRestartsInProcess();

private:
    std::unique_ptr<ShellFixture> fixture;
};

void DialogsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void DialogsTest::init()
{
    fixture = std::make_unique<ShellFixture>();
}

void DialogsTest::cleanup()
{
    fixture.reset();
}

void DialogsTest::settingsWithoutFavouritesOffersNoRestore()
{
    // A favourite equal to the shipped default counts as unmodified too.
    QVERIFY(ReportFavourites::ensure(QStringLiteral("arvchk"), nullptr));
    DialogSettings dialog;
    QCOMPARE(dialog.rootEdit()->text(), fixture->root());
    const QStringList buttonTexts{QStringLiteral("Restore Inspection Report"), QStringLiteral("Restore PV Array Test Report"),
                                  QStringLiteral("Restore Vertification Certificate"), QStringLiteral("Restore Checklist")};
    for (int i = 0; i < restorable.size(); ++i) {
        QCOMPARE(dialog.restoreButton(restorable.at(i))->text(), buttonTexts.at(i));
        QVERIFY(!dialog.restoreButton(restorable.at(i))->isEnabled());
        QCOMPARE(dialog.statusLabel(restorable.at(i))->text(), QStringLiteral("The default report has not been modified."));
    }
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
}

void DialogsTest::modifiedFavouriteCanBeRestored()
{
    writeFavourite(QStringLiteral("arvir"), "saved as favourite");
    const QDateTime saved = QFileInfo(ReportFavourites::favouritePath(QStringLiteral("arvir"))).lastModified();
    DialogSettings dialog;
    QPushButton* restore = dialog.restoreButton(QStringLiteral("arvir"));
    QVERIFY(restore->isEnabled());
    QCOMPARE(dialog.statusLabel(QStringLiteral("arvir"))->text(),
             QStringLiteral("File last modified on %1.").arg(saved.toString()));
    QVERIFY(!dialog.restoreButton(QStringLiteral("arvatr"))->isEnabled());

    restore->click();
    QVERIFY(!restore->isEnabled());
    QCOMPARE(dialog.statusLabel(QStringLiteral("arvir"))->text(), QStringLiteral("The default report has not been modified."));
    QFile favourite(ReportFavourites::favouritePath(QStringLiteral("arvir")));
    QVERIFY(favourite.open(QIODevice::ReadOnly));
    QFile shipped(QStringLiteral(":res/reports_test/default.arvir"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(favourite.readAll(), shipped.readAll());
    // The user's own file, not one that anybody may change.
    QVERIFY(favourite.permissions().testFlag(QFile::WriteOwner));
    QVERIFY(!favourite.permissions().testFlag(QFile::WriteOther));
}

void DialogsTest::browseReplacesTheRootText()
{
    DialogSettings dialog;
    fixture->prompts.answer(QString());
    dialog.browseProjectsRoot();
    QCOMPARE(dialog.rootEdit()->text(), fixture->root());
    QCOMPARE(fixture->prompts.last().files.caption, QStringLiteral("Select Projects Root Directory"));
    QCOMPARE(fixture->prompts.last().files.directory, fixture->root());
    fixture->prompts.answer(fixture->path(QStringLiteral("Other")));
    dialog.browseProjectsRoot();
    QCOMPARE(dialog.rootEdit()->text(), fixture->path(QStringLiteral("Other")));
}

void DialogsTest::okWithAMissingFolderAnsweredNoStaysOpen()
{
    DialogSettings dialog;
    dialog.show();
    const QString missing = fixture->path(QStringLiteral("Not There"));
    dialog.rootEdit()->setText(missing);
    fixture->prompts.answerMessage(QMessageBox::No);
    dialog.accept();
    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList{QStringLiteral("The path \"%1\" does not exist. Would you like to create it?").arg(missing)});
    QVERIFY(dialog.isVisible());
    QCOMPARE(Folders::instance().rootDir(), fixture->root());
    QVERIFY(!QFileInfo::exists(missing));

    // Unchanged text closes without a question.
    dialog.rootEdit()->setText(fixture->root());
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fixture->prompts.shown().size(), 1);
}

void DialogsTest::reportThresholdIsKeptOnOkOnly()
{
    QSettings().remove(SettingsKeys::curveReportDeviationThreshold);
    {
        DialogSettings dialog;
        QCOMPARE(dialog.deviationThresholdBox()->value(), 5.0);
        dialog.deviationThresholdBox()->setValue(7.5);
        dialog.reject();
    }
    QVERIFY(!QSettings().contains(SettingsKeys::curveReportDeviationThreshold));
    {
        DialogSettings dialog;
        dialog.deviationThresholdBox()->setValue(7.5);
        dialog.accept();
    }
    QCOMPARE(QSettings().value(SettingsKeys::curveReportDeviationThreshold).toDouble(), 7.5);
    DialogSettings again;
    QCOMPARE(again.deviationThresholdBox()->value(), 7.5);
}

// Boxes show percentages of the stored fractions; the box refuses what the store would not read.
void DialogsTest::diagnosisLimitsAreKeptOnOkOnly()
{
    for (const IVCurve::DiagnosisSettings::Field& field : IVCurve::DiagnosisSettings::fields())
        QSettings().remove(field.key);
    QSignalSpy changes(&IVCurve::DiagnosisSettings::instance(), &IVCurve::DiagnosisSettings::thresholdsChanged);
    {
        DialogSettings dialog;
        QDoubleSpinBox* performance = dialog.diagnosisPage()->box(SettingsKeys::diagnosisPerformanceFactor);
        QCOMPARE(performance->value(), 95.0);
        QCOMPARE(dialog.diagnosisPage()->box(SettingsKeys::diagnosisLowIrradiance)->value(), 400.0);
        QCOMPARE(dialog.diagnosisPage()->box(SettingsKeys::diagnosisSeriesResistanceFactor)->value(), 2.0);
        performance->setValue(90.0);
        dialog.reject();
    }
    QVERIFY(!QSettings().contains(SettingsKeys::diagnosisPerformanceFactor));
    QCOMPARE(changes.count(), 0);
    {
        DialogSettings dialog;
        QDoubleSpinBox* performance = dialog.diagnosisPage()->box(SettingsKeys::diagnosisPerformanceFactor);
        performance->setValue(100.5);
        QCOMPARE(performance->value(), 100.0);
        performance->setValue(90.0);
        dialog.diagnosisPage()->box(SettingsKeys::diagnosisLowIrradiance)->setValue(1200.0);
        dialog.accept();
    }
    QCOMPARE(changes.count(), 1);
    QCOMPARE(QSettings().value(SettingsKeys::diagnosisPerformanceFactor).toDouble(), 0.9);
    QCOMPARE(IVCurve::DiagnosisSettings::thresholds().lowIrradiance, 1000.0);
    DialogSettings again;
    QCOMPARE(again.diagnosisPage()->box(SettingsKeys::diagnosisPerformanceFactor)->value(), 90.0);
    again.diagnosisPage()->restoreDefaults();
    again.accept();
    QCOMPARE(IVCurve::DiagnosisSettings::thresholds().performanceFactor, 0.95);
    QCOMPARE(changes.count(), 2);
}

void DialogsTest::okWithANewFolderReRootsTheTree()
{
    MainWindow window;
    const QString other = fixture->path(QStringLiteral("Other Root"));
    QDir().mkpath(other);
    DialogSettings dialog(&window);
    dialog.rootEdit()->setText(other);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Folders::instance().rootDir(), other);
    QCOMPARE(QSettings().value(SettingsKeys::rootDir).toString(), other);
    auto* tree = window.projectTree();
    QCOMPARE(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->rootIndex()), other);
}

void DialogsTest::welcomeNeedsAChoiceBeforeOk()
{
    DialogWelcome welcome;
    QCOMPARE(welcome.windowTitle(), QStringLiteral("Welcome to Veltrano!"));
    QCOMPARE(welcome.continueButton()->text(), QStringLiteral("Continue using Veltrano"));
    QVERIFY(!welcome.okButton()->isEnabled());
    QTest::mousePress(welcome.continueButton(), Qt::LeftButton);
    QVERIFY(welcome.okButton()->isEnabled());
}

void DialogsTest::welcomeCanBeTurnedOff()
{
    QSettings().setValue(SettingsKeys::showWelcome, true);
    DialogWelcome welcome;
    welcome.continueButton()->setChecked(true);
    welcome.doNotShowAgain()->setChecked(true);
    welcome.accept();
    QCOMPARE(QSettings().value(SettingsKeys::showWelcome).toBool(), false);
    QVERIFY(fixture->prompts.shown().isEmpty());
    // Now it returns at once instead of waiting for the user.
    DialogWelcome again;
    QCOMPARE(again.exec(), int(QDialog::Rejected));
}

void DialogsTest::tutorialOpensTheManualOrSaysItIsMissing()
{
    const QString manual = Manual::path();
    // The build puts the real manual here; keep it for the programs beside this test.
    const QString kept = manual + QStringLiteral(".kept");
    QFile::remove(kept);
    QFile::rename(manual, kept);
    QSettings().setValue(SettingsKeys::showWelcome, true);
    DialogWelcome welcome;
    welcome.tutorialButton()->setChecked(true);
    welcome.accept();
    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList{QStringLiteral("The instruction manual \"%1\" could not be found.").arg(manual)});

    QFile pdf(manual);
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    DialogWelcome second;
    second.tutorialButton()->setChecked(true);
    second.accept();
    QFile::remove(manual);
    QFile::rename(kept, manual);
    QCOMPARE(fixture->prompts.last().kind, ShownPrompt::Desktop);
    QCOMPARE(fixture->prompts.last().url, QUrl::fromLocalFile(manual).toString() + QStringLiteral("#page=1"));
    // The settings keep greeting the user.
    QVERIFY(QSettings().value(SettingsKeys::showWelcome, true).toBool());
}

void DialogsTest::helpOpensTheManualOfTheCurrentLanguage()
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QCOMPARE(Manual::path(), folder + QStringLiteral("Instruction Manual.pdf"));
    Globals::setReportsFolder(QStringLiteral("reports_de"));
    QCOMPARE(Manual::path(), folder + QStringLiteral("Bedienungsanleitung.pdf"));
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    QCOMPARE(Manual::path(), folder + QStringLiteral("Instruction Manual.pdf"));

    const QString manual = Manual::path();
    const bool built = QFileInfo::exists(manual);
    QFile placeholder(manual);
    if (!built) {
        QVERIFY(placeholder.open(QIODevice::WriteOnly));
        placeholder.close();
    }
    MainWindow window;
    window.findChild<QAction*>(QStringLiteral("actionPDFManual"))->trigger();
    QCOMPARE(fixture->prompts.last().kind, ShownPrompt::Desktop);
    QCOMPARE(fixture->prompts.last().url, QUrl::fromLocalFile(manual).toString());
    // Without a program for PDF files the desktop refuses, and the user is told what to install.
    fixture->prompts.answer(false);
    window.findChild<QAction*>(QStringLiteral("actionPDFManual"))->trigger();
    if (!built)
        QFile::remove(manual);
    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList {QStringLiteral("No program could show the instruction manual \"%1\".").arg(manual)});
}

void DialogsTest::cancelledLanguageChangeChangesNothing()
{
    writeFavourite(QStringLiteral("arvir"), "mine");
    MainWindow window;
    QAction* german = languageEntry(&window, QLocale::German);
    QVERIFY2(german, "the German catalogue is built beside the test");
    fixture->prompts.answerMessage(QMessageBox::Cancel);
    german->trigger();
    QCOMPARE(fixture->prompts.messageTexts(), QStringList{QStringLiteral("Changing the language deletes any Report Favourites.\n")});
    QCOMPARE(fixture->prompts.last().message.checkBoxText, QStringLiteral("Do not show this message again"));
    QCOMPARE(fixture->prompts.last().message.parent, nullptr);
    QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("en"));
    QVERIFY(QFile::exists(ReportFavourites::favouritePath(QStringLiteral("arvir"))));
    QVERIFY(!german->isChecked());
    QVERIFY(languageEntry(&window, QLocale::English)->isChecked());
    QVERIFY(!Globals::restartRequested());
}

void DialogsTest::languageChangeDeletesFavouritesAndRestartsInProcess()
{
    for (const QString& extension : ReportFavourites::allExtensions())
        writeFavourite(extension, "mine");
    fixture->prompts.answerMessage(QMessageBox::Ok, true);
    fixture->prompts.answerMessage(QMessageBox::Ok);

    int passes = 0;
    bool restartClearedOnSecondPass = false;
    StartUp startUp([&] {
        auto window = std::make_unique<MainWindow>();
        MainWindow* shown = window.get();
        const int pass = ++passes;
        restartClearedOnSecondPass = pass == 2 && !Globals::restartRequested();
        whenTheLoopRuns(shown, [shown, pass] {
            if (pass == 1)
                languageEntry(shown, QLocale::German)->trigger();
            else
                shown->close();
        });
        return window;
    });
    startUp.setSplashDuration(0);
    startUp.run({QStringLiteral("Veltrano")});

    QCOMPARE(passes, 2);
    QVERIFY(restartClearedOnSecondPass);
    QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("de_DE"));
    QCOMPARE(QSettings().value(SettingsKeys::hideDeleteDefaultsWarning).toBool(), true);
    for (const QString& extension : ReportFavourites::allExtensions())
        QVERIFY2(!QFile::exists(ReportFavourites::favouritePath(extension)), qPrintable(extension));
    QCOMPARE(fixture->prompts.messageTexts().last(),
             QStringLiteral("The application must be restarted when the language is changed."));
    QCOMPARE(fixture->prompts.last().message.icon, QMessageBox::Critical);
    QVERIFY(fixture->prompts.last().message.title.isEmpty());
    QCOMPARE(Globals::reportsFolder(), QStringLiteral("reports_de"));

    // Back to English for the tests that follow.
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    TranslationLoader::loadTranslations();
}

void DialogsTest::aboutShowsItsWholePicture()
{
    const QPixmap picture(QStringLiteral(":res/images/%1_splash.png").arg(AppIdentity::organisationName));
    QVERIFY(!picture.isNull());
    DialogAbout about;
    QVERIFY(about.width() >= picture.width());
    QVERIFY(about.height() >= picture.height());
}

VELTRANO_TEST(DialogsTest)
#include "DialogsTest.moc"
