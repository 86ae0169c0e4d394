#include "Globals.h"

#include <QWidget>

namespace {
struct State
{
    QString reportsFolder = QStringLiteral("reports_de");
    DefaultFileNames defaultFileNames = DefaultFileNames::german();
    bool restartRequested = false;
    QPointer<QWidget> mainWindow;
};

State& state()
{
    static State instance;
    return instance;
}
} // namespace

QString Globals::reportsFolder()
{
    return state().reportsFolder;
}

void Globals::setReportsFolder(const QString& folder)
{
    state().reportsFolder = folder;
}

QString Globals::reportResource(const QString& name)
{
    return QStringLiteral(":res/%1/%2").arg(reportsFolder(), name);
}

const DefaultFileNames& Globals::defaultFileNames()
{
    return state().defaultFileNames;
}

void Globals::setDefaultFileNames(const DefaultFileNames& names)
{
    state().defaultFileNames = names;
}

bool Globals::restartRequested()
{
    return state().restartRequested;
}

void Globals::setRestartRequested(bool requested)
{
    state().restartRequested = requested;
}

QWidget* Globals::mainWindowInstance()
{
    return state().mainWindow;
}

void Globals::setMainWindowInstance(QWidget* window)
{
    state().mainWindow = window;
}

void Globals::reset()
{
    state() = State();
}
