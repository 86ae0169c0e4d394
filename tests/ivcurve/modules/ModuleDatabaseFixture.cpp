#include "ModuleDatabaseFixture.h"

#include "CurveModuleDatabase.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

namespace {
const QString sideConnection = QStringLiteral("fixture side connection");
}

ModuleDatabaseFixture::ModuleDatabaseFixture()
{
    QFile::copy(shippedPath(), path());
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    IVCurve::CurveModuleDatabase::relocate(path(), {});
}

ModuleDatabaseFixture::~ModuleDatabaseFixture()
{
    IVCurve::CurveModuleDatabase::relocate(QString(), {});
}

QString ModuleDatabaseFixture::path() const
{
    return folder.filePath(QStringLiteral("modules.db"));
}

QString ModuleDatabaseFixture::shippedPath()
{
    return QStringLiteral(SHIPPED_MODULES_DB);
}

bool ModuleDatabaseFixture::execute(const QString& statement) const
{
    bool ok = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), sideConnection);
        database.setDatabaseName(path());
        ok = database.open() && QSqlQuery(database).exec(statement);
    }
    QSqlDatabase::removeDatabase(sideConnection);
    return ok;
}

int ModuleDatabaseFixture::count(const QString& filter) const
{
    int rows = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), sideConnection);
        database.setDatabaseName(path());
        QSqlQuery query(database);
        if (database.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM Modules WHERE ") + filter) && query.next())
            rows = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(sideConnection);
    return rows;
}

void ModuleDatabaseFixture::onNextDialog(const std::function<void(QWidget*)>& step)
{
    QTimer::singleShot(0, [step] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            step(dialog);
    });
}
