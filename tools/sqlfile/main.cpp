// Builds an SQLite file from a text file of SQL statements, so that shipped databases are made at
// build time from text a person can read and review.
//
//   sqlfile <statements.sql> <output file>
//
// Statements end with ";" at the end of a line; lines starting with "--" are comments. The output
// is written under a temporary name and renamed only when every statement succeeded.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {
QStringList statementsIn(const QString& text)
{
    QStringList statements;
    QString current;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

bool build(const QString& sqlPath, const QString& databasePath, QTextStream& err)
{
    QFile sql(sqlPath);
    if (!sql.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "sqlfile: cannot read " << sqlPath << ": " << sql.errorString() << "\n";
        return false;
    }
    const QStringList statements = statementsIn(QString::fromUtf8(sql.readAll()));
    const QString partial = databasePath + QStringLiteral(".partial");
    QFile::remove(partial);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sqlfile"));
        db.setDatabaseName(partial);
        if (!db.open()) {
            err << "sqlfile: cannot create " << partial << ": " << db.lastError().text() << "\n";
            ok = false;
        }
        for (const QString& statement : statements) {
            if (!ok)
                break;
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                err << "sqlfile: " << sqlPath << ": " << query.lastError().text() << "\n  in: " << statement << "\n";
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sqlfile"));
    if (ok) {
        QFile::remove(databasePath);
        ok = QFile::rename(partial, databasePath);
        if (!ok)
            err << "sqlfile: cannot write " << databasePath << "\n";
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 2) {
        err << "usage: sqlfile <statements.sql> <output file>\n";
        return 2;
    }
    return build(arguments.at(0), arguments.at(1), err) ? 0 : 1;
}
