#include "HostileCurveInputs.h"

#include "CsvLineChecksum.h"
#include "CurveCollection.h"
#include "CurveCsvImporter.h"
#include "CurveDatabase.h"
#include "CurveDocument.h"
#include "CurveGraphModel.h"
#include "CurveModuleDatabase.h"
#include "CurveTreeModel.h"
#include "MeasuredRun.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <cmath>

namespace HostileCurveInputs {

namespace {
int argc = 1;
char name[] = "bench_hostile";
char* argv[] = {name, nullptr};

const QByteArray instrumentLine = "PVT-Logger,23104877,FW 1.07,2\n";
const QByteArray header = "Index,DD/MM/YYYY,HH:MM:SS,Irr (W/m2),Tpv (C),FF,IVCurve,StatusCode,Checksum\n";

// Made in a child of its own: the children that open the files make their own application.
QString database(const QString& path, const QStringList& statements)
{
    measureInChild([&] {
        QCoreApplication application(argc, argv);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.open();
        for (const QString& statement : statements)
            QSqlQuery(db).exec(statement);
        db.close();
        return 0;
    });
    return path;
}

QString curveFile(const QString& path, const QStringList& statements)
{
    return database(path, QStringList{QStringLiteral("CREATE TABLE Curves (CurveID INTEGER PRIMARY KEY, CurvePoints TEXT)"),
                                      QStringLiteral("CREATE TABLE TreeNodes (NodeID INTEGER, ParentNodeID INTEGER, "
                                                     "NodeDesc TEXT, CurveID INTEGER, ParentRow INTEGER, Status INTEGER, "
                                                     "Colour TEXT)")}
                                  + statements);
}

QString moduleFile(const QString& path, const QStringList& statements)
{
    return database(path, QStringList{QStringLiteral("CREATE TABLE Modules (_id INTEGER PRIMARY KEY, Description TEXT, "
                                                     "Isc REAL, Voc REAL, Imp REAL, Vmp REAL, alpha REAL, beta REAL, "
                                                     "delta REAL, Rs REAL, UserModule INTEGER, Favourite INTEGER)")}
                                  + statements);
}

QString write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray signedLine(const QByteArray& withoutChecksum)
{
    const QString text = QString::fromLatin1(withoutChecksum) + QLatin1Char(',');
    const quint16 sum = IVCurve::CsvLineChecksum::sum(text, text.size(), QLatin1Char(','), QLatin1Char('.'));
    return text.toLatin1() + QByteArray::number(sum, 16) + "\n";
}

QByteArray vShapedLine(int points)
{
    QByteArray line = "1,07/03/2015,09:05:00,1000,25,0.7";
    for (int i = 0; i < points; ++i)
        line += ',' + QByteArray::number(i * 0.01, 'f', 2) + ':' + QByteArray::number(1.0 + std::abs(i - points / 2) * 0.0001, 'f', 4)
            + ":1000:0";
    return signedLine(line + ",0");
}

QByteArray badChecksums(int lines)
{
    QByteArray bytes = instrumentLine + header;
    for (int i = 1; i <= lines; ++i)
        bytes += QByteArray::number(i) + ",07/03/2015,09:05:00,1000,25,0.7,0:8:1000:0,400:0:1000:0,0,FFFF\n";
    return bytes;
}

int openCurveFile(const QString& path)
{
    QApplication application(argc, argv);
    ScriptedPrompts prompts;
    IVCurve::CurveDocument document(path);
    return 0;
}

int importCurves(const QString& path, const QString& curves)
{
    QApplication application(argc, argv);
    ScriptedPrompts prompts;
    CurveDatabase database(curves);
    IVCurve::CurveTreeModel tree(database);
    IVCurve::CurveCsvImporter(path, database, tree).run();
    return 0;
}

int listModules(const QString& path)
{
    QApplication application(argc, argv);
    ScriptedPrompts prompts;
    IVCurve::CurveModuleDatabase::relocate(path, {});
    IVCurve::CurveModuleDatabase().allModules();
    return 0;
}

QString chain(int depth)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO TreeNodes (NodeID, ParentNodeID, NodeDesc, ParentRow) "
                          "SELECT i, CASE WHEN i = 1 THEN NULL ELSE i - 1 END, 'n', 0 FROM n")
        .arg(depth);
}

QString modules(int count, const QString& description)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO Modules (Description, Isc, Voc) SELECT %2, 9, 40 FROM n")
        .arg(count)
        .arg(description);
}
} // namespace

void run(const QString& folder, const QString& pipe, const Report& report)
{
    auto path = [&](const char* file) { return folder + QLatin1Char('/') + QLatin1String(file); };
    auto opening = [](const QString& file) { return [file] { return openCurveFile(file); }; };
    report("curve file: tree of 100,000 levels", opening(curveFile(path("deep.arvcrv"), {chain(100000)})));
    report("curve file: a node its own child",
           opening(curveFile(path("cycle.arvcrv"), {QStringLiteral("INSERT INTO TreeNodes (NodeID, ParentNodeID, ParentRow) "
                                                                   "VALUES (1, NULL, 0), (1, 1, 0)")})));
    const QString hashes = curveFile(path("hashes.arvcrv"),
                                     {QStringLiteral("INSERT INTO Curves VALUES (1, replace(hex(zeroblob(5242880)), '0', '#'))"),
                                      QStringLiteral("INSERT INTO TreeNodes VALUES (1, NULL, 'n', 1, 0, 0, NULL)")});
    report("curve file: 10 MB of '#' as points", [hashes] {
        QApplication application(argc, argv);
        ScriptedPrompts prompts;
        IVCurve::CurveDocument document(hashes);
        document.graphModel()->collection().curve(1);
        return 0;
    });
    const QString curves = path("import.arvcrv");
    auto importing = [curves](const QString& file) { return [file, curves] { return importCurves(file, curves); }; };
    const QString zero = path("zero.csv");
    QFile::link(QStringLiteral("/dev/zero"), zero);
    report("curve import: link to /dev/zero", importing(zero));
    report("curve import: a FIFO", importing(pipe));
    report("curve import: 100,000 V-shaped points, format 2",
           importing(write(path("v.csv"), instrumentLine + header + vShapedLine(100000))));
    report("curve import: empty file", importing(write(path("empty.csv"), QByteArray())));
    report("curve import: NUL bytes", importing(write(path("nul.csv"), QByteArray(1024 * 1024, '\0'))));
    QByteArray garbage(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + i / 13) % 251 + 1);
    report("curve import: 1 MB of garbage", importing(write(path("garbage.csv"), garbage)));
    report("curve import: 10,000 bad checksums", importing(write(path("sums.csv"), badChecksums(10000))));
    auto listing = [](const QString& file) { return [file] { return listModules(file); }; };
    report("modules: 1,000,000 modules",
           listing(moduleFile(path("million.db"), {modules(1000000, QStringLiteral("'PV-M ' || i"))})));
    report("modules: a 10 MB description",
           listing(moduleFile(path("description.db"), {modules(1, QStringLiteral("printf('%.10000000c', 'x')"))})));
    report("modules: Modules as a recursive view",
           listing(database(path("view.db"),
                            {QStringLiteral("CREATE VIEW Modules AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                                            "FROM r) SELECT n AS _id, 'm' AS Description, 1 AS Isc, 1 AS Voc, 1 AS Imp, "
                                            "1 AS Vmp, 0 AS alpha, 0 AS beta, 0 AS delta, 0 AS Rs, 0 AS UserModule, "
                                            "0 AS Favourite FROM r")})));
}

} // namespace HostileCurveInputs
