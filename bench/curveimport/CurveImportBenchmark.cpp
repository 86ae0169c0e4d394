// Compares importing a tester memory of results with 250 curve points each into a new curve
// file, at 250 and 1,000 results, with the work no import can leave out: reading the results
// file, splitting it into lines and fields, reading every number of every point and inserting
// the rows with bare prepared statements in one transaction (goal: within 2x). The bare inserts
// alone, the older yardstick, are printed beside it. Both sides run on the same storage, first
// on the disk of the temporary folder, where the cost of flushing to disk weighs in, then in
// memory (/dev/shm), where only the work itself counts.
#include "CsvLineChecksum.h"
#include "CurveCsvImporter.h"
#include "CurveDatabase.h"
#include "CurveTreeModel.h"
#include "PlainDecimal.h"

#include "BestOf.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
constexpr int PointsPerResult = 250;

QString pointsField(int point)
{
    return QString::number(point * 2.1, 'f', 2) + ':' + QString::number(8.2 - point * 0.0328, 'f', 3) + ':'
        + QString::number(990 + point % 9) + ":0";
}

QString resultLine(int index)
{
    QString line = QString::number(index + 1) + ",16,03/07/2026,09:00:00,524.6,8.20,993,24.1,26.0,,,,,0.77,420.1,7.71";
    for (int point = 0; point < PointsPerResult; ++point)
        line += ',' + pointsField(point);
    line += QStringLiteral(",0,");
    return line + QString::number(IVCurve::CsvLineChecksum::sum(line, line.size(), ',', '.'), 16) + "\r\n";
}

bool writeResultsFile(const QString& path, int results)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("PVT-Logger,23104877,FW 1.07,2\r\n"
               "Index,TestType,DD/MM/YYYY,HH:MM:SS,Voc (VDC),Isc (ADC),Irr (W/m2),Ta (C),Tpv (C),Viso (V),"
               "Riso (MOhm),Rpe (Ohm),Iclamp (Amp),FF,Vmpp (V),Impp(A),IVCurve,StatusCode,Checksum\r\n");
    for (int i = 0; i < results; ++i)
        file.write(resultLine(i).toLatin1());
    return file.error() == QFile::NoError;
}

int importFile(const QString& curveFile, const QString& resultsFile)
{
    QFile::remove(curveFile);
    CurveDatabase database(curveFile);
    IVCurve::CurveTreeModel tree(database);
    IVCurve::CurveCsvImporter importer(resultsFile, database, tree);
    importer.run();
    return importer.curveIds().size();
}

// Every number of every point, read by the fastest reader at hand; the count of those read.
int readPoints(const QVector<QStringRef>& fields)
{
    constexpr int firstPoint = 16;
    int numbers = 0;
    for (int i = firstPoint; i < fields.size() - 2; ++i) {
        for (const QStringRef& part : fields.at(i).split(QLatin1Char(':'))) {
            double value = 0.0;
            numbers += IVCurve::PlainDecimal::parse(part, QLatin1Char('.'), value) ? 1 : 0;
        }
    }
    return numbers;
}

// The results file read and split into lines and fields, the points' numbers read.
int readResults(const QString& resultsFile)
{
    QFile file(resultsFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromUtf8(file.readAll());
    int numbers = 0;
    for (const QStringRef& line : text.splitRef(QLatin1Char('\n')).mid(2))
        numbers += readPoints(line.trimmed().split(QLatin1Char(',')));
    return numbers;
}

// The same rows, already as the text that the import stores, with one statement prepared once.
int insertBare(const QString& curveFile, int results)
{
    QFile::remove(curveFile);
    CurveDatabase database(curveFile);
    QSqlDatabase connection = database.database();
    QString points;
    for (int point = 0; point < PointsPerResult; ++point)
        points += (point ? "#" : "") + pointsField(point);
    connection.transaction();
    QSqlQuery insert(connection);
    insert.prepare("INSERT INTO Curves (MemLocation, TestDate, TesterSerNo, Irradiance, AmbientTemp, CellTemp, Voc, "
                   "Isc, FF, Vmp, Imp, CurvePoints, FileVersion) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
    int rows = 0;
    for (int i = 0; i < results; ++i) {
        const QVariantList values{i + 1, "2026-07-03T09:00:00", "23104877", "993", "24.1", "26", "524.6",
                                  "8.2", "0.77", "420.1", "7.71", points, 2};
        for (const QVariant& value : values)
            insert.addBindValue(value);
        rows += insert.exec() ? 1 : 0;
    }
    connection.commit();
    return rows;
}
// False when a side did not store every result.
bool compareOn(const QString& folder, int results, QTextStream& out)
{
    const QString resultsFile = folder + QStringLiteral("/results.csv");
    const QString curveFile = folder + QStringLiteral("/curves.arvcrv");
    if (!writeResultsFile(resultsFile, results)) {
        out << "Cannot write " << resultsFile << "\n";
        return false;
    }
    int imported = 0;
    const qint64 import = bestOf(3, [&] { imported = importFile(curveFile, resultsFile); });
    int inserted = 0;
    const qint64 bare = bestOf(3, [&] { inserted = insertBare(curveFile, results); });
    int numbers = 0;
    const qint64 reading = bestOf(3, [&] { numbers = readResults(resultsFile); });
    const qint64 unavoidable = reading + bare;
    out << "  " << results << " results (" << imported << " imported, " << inserted << " inserted bare): import "
        << import / 1e6 << " ms\n    reading, splitting and " << numbers << " numbers " << reading / 1e6
        << " ms + bare inserts " << bare / 1e6 << " ms = " << unavoidable / 1e6 << " ms; ratio "
        << double(import) / double(unavoidable) << " (goal: at most 2)\n    beside the bare inserts alone: ratio "
        << double(import) / double(bare) << "\n";
    out.flush();
    return imported == results && inserted == results && numbers == results * PointsPerResult * 4;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QLocale::setDefault(QLocale::c());
    out << PointsPerResult << " points per result\n";
    bool complete = true;
    QTemporaryDir onDisk;
    out << "On disk (" << onDisk.path() << "):\n";
    for (int results : {250, 1000})
        complete = compareOn(onDisk.path(), results, out) && complete;
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/curveimport-XXXXXX"));
    if (!inMemory.isValid()) {
        out << "No memory-backed folder (/dev/shm): the comparison without disk flushes is left out\n";
        return complete ? 0 : 1;
    }
    out << "In memory (" << inMemory.path() << "):\n";
    for (int results : {250, 1000})
        complete = compareOn(inMemory.path(), results, out) && complete;
    return complete ? 0 : 1;
}
