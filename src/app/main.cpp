#include "AppIdentity.h"
#include "DownloadLauncher.h"
#include "MainWindow.h"
#include "Manual.h"
#include "ShippedFiles.h"
#include "ShippedModuleDatabase.h"
#include "StartUp.h"
#include "TranslationCatalogues.h"

#include <QApplication>

namespace {
QStringList requiredFiles()
{
    const QString catalogues = TranslationCatalogues::folder();
    QStringList files{catalogues + QStringLiteral("/arventa_en.qm"),
                      catalogues + QStringLiteral("/arventa_de.qm"),
                      ShippedFiles::path(Manual::fileName(QStringLiteral("reports_en"))),
                      ShippedFiles::path(Manual::fileName(QStringLiteral("reports_de"))),
                      DownloadLauncher(nullptr).programPath()};
    return files + IVCurve::ShippedModuleDatabase::copies();
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppIdentity::apply();
    if (ShippedFiles::checkRequested(QApplication::arguments())) {
        QTextStream out(stdout);
        return ShippedFiles::report(requiredFiles(), out);
    }
    Q_INIT_RESOURCE(veltrano);
    StartUp startUp([] { return std::make_unique<MainWindow>(); });
    startUp.run(QApplication::arguments());
    return 0;
}
