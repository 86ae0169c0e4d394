#include "Manual.h"

#include "AppIdentity.h"
#include "Globals.h"
#include "Prompts.h"
#include "ShippedFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString Manual::path()
{
    return ShippedFiles::path(fileName(Globals::reportsFolder()));
}

QString Manual::fileName(const QString& reportsFolder)
{
    return reportsFolder == QLatin1String("reports_de") ? QStringLiteral("Bedienungsanleitung.pdf")
                                                        : QStringLiteral("Instruction Manual.pdf");
}

bool Manual::open(QWidget* parent, int page)
{
    const QString manual = path();
    if (!QFileInfo::exists(manual)) {
        Prompts::instance().show(parent, QMessageBox::Warning,
                                 tr("The instruction manual \"%1\" could not be found.", "Error Message")
                                     .arg(QDir::toNativeSeparators(manual)),
                                 tr("Please install %1 again.", "Error message informative text")
                                     .arg(AppIdentity::applicationName));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(manual);
    if (page > 0)
        url.setFragment(QStringLiteral("page=%1").arg(page));
    if (Prompts::instance().openWithDesktop(url))
        return true;
    Prompts::instance().show(parent, QMessageBox::Warning,
                             tr("No program could show the instruction manual \"%1\".", "Error Message")
                                 .arg(QDir::toNativeSeparators(manual)),
                             tr("Install a program for PDF files, such as a document viewer, then open the "
                                "manual again.",
                                "Error message informative text"));
    return false;
}
