#pragma once

#include "DefaultFileNames.h"

#include <QPointer>
#include <QString>

class QWidget;

// Process-wide state that the start-up loop, the translation loader and the main window share.
class Globals
{
public:
    // "reports_en" or "reports_de": the resource folder of the current language's templates.
    static QString reportsFolder();
    static void setReportsFolder(const QString& folder);
    // ":res/" + reportsFolder() + "/" + name.
    static QString reportResource(const QString& name);

    static const DefaultFileNames& defaultFileNames();
    static void setDefaultFileNames(const DefaultFileNames& names);

    static bool restartRequested();
    static void setRestartRequested(bool requested);

    // The one main window, parent of messages that have no closer parent.
    static QWidget* mainWindowInstance();
    static void setMainWindowInstance(QWidget* window);

    // Back to the values before any translation matched (German), for a fresh start.
    static void reset();
};
