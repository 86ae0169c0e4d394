// Compares parsing a results file of 3,000 results with 250 curve points each against reading
// the same file and splitting it into lines. Goal: within 3x.
#include "CsvResultsModel.h"

#include "BestOf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>


namespace {
constexpr int Results = 3000;
constexpr int PointsPerResult = 250;

QByteArray resultLine(int index)
{
    QByteArray line = QByteArray::number(index + 1)
        + ",16,03/07/2026,09:00:00,349.4,6.50,697,32.4,51.2,,,,,0.77,284.6,6.14";
    for (int point = 0; point < PointsPerResult; ++point)
        line += ',' + QByteArray::number(point * 1.4, 'f', 2) + ':' + QByteArray::number(6.5 - point * 0.026, 'f', 3)
            + ':' + QByteArray::number(690 + point % 17) + ":0";
    return line + ',' + QByteArray::number(index % 7 == 0 ? 3 : 0) + ",F2C1\r\n";
}

bool writeResultsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("PVT-Logger,23104877,FW 1.07,2\r\n"
               "Index,TestType,DD/MM/YYYY,HH:MM:SS,Voc (VDC),Isc (ADC),Irr (W/m2),Ta (C),Tpv (C),Viso (V),"
               "Riso (MOhm),Rpe (Ohm),Iclamp (Amp),FF,Vmpp (V),Impp(A),IVCurve,StatusCode,Checksum\r\n");
    for (int i = 0; i < Results; ++i)
        file.write(resultLine(i));
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QLocale::setDefault(QLocale::c());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.csv"));
    if (!writeResultsFile(path)) {
        out << "Cannot write " << path << "\n";
        return 1;
    }

    int rows = 0;
    const qint64 parse = bestOf(5, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        CsvResultsModel model;
        model.parse(file);
        rows = model.rowCount();
    });
    int lines = 0;
    const qint64 split = bestOf(5, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).size();
    });

    out << "Results file: " << QFileInfo(path).size() / 1024 << " KiB, " << rows << " results of "
        << PointsPerResult << " points (" << lines << " lines)\n";
    out << "Parse into the model:     " << parse / 1000000.0 << " ms\n";
    out << "Read and split into lines: " << split / 1000000.0 << " ms\n";
    out << "Ratio: " << double(parse) / double(split) << " (goal: at most 3)\n";
    return rows == Results ? 0 : 1;
}
