#pragma once

#include "CurveCsvRow.h"

#include "WaitCursor.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class CurveData;
class CurveDatabase;
class QSqlDatabase;

namespace IVCurve {

class CurveTable;
class CurveTreeModel;
class TreeItem;

// One import of a tester's results file into a curve document: one curve row per result line,
// filed under a new top-level node named after the file. The curves of the whole file and the
// whole tree go in as one transaction, so an import that fails midway leaves the curve file and
// the tree as they were; one that succeeds leaves the document saved.
class CurveCsvImporter
{
    Q_DECLARE_TR_FUNCTIONS(CurveCsvImporter)

public:
    CurveCsvImporter(const QString& filePath, CurveDatabase& database, CurveTreeModel& tree);
    ~CurveCsvImporter();

    // False when the curve file may not be written, the results file cannot be read or a curve
    // or the tree cannot be stored; the curve file's failure handler has been told.
    bool run();
    // The node of the file, or nullptr when the import failed.
    TreeItem* fileNode() const;
    // The CurveIDs of the imported curves in file order.
    QVector<int> curveIds() const;

private:
    // Boxes for the first failed checksums; the rest are summed up in one message at the end.
    static constexpr int checksumBoxes = 3;
    static constexpr int summedLineNumbers = 10;

    bool readFile(QStringList& lines);
    bool checkResults(const QStringList& lines);
    static QString notResultsAdvice();
    void showChecksumSummary();
    bool refuse(const QString& text, const QString& informativeText);
    void chooseSeparator(const QStringList& lines);
    void readInstrumentLine(const QStringList& lines);
    void readHeader(const QStringList& lines);
    bool importResults(const QStringList& lines, CurveTable& table);
    bool commitWithTree(QSqlDatabase& connection);
    bool importLine(const QString& line, int lineNumber, CurveTable& table);
    bool checksumFails(const QString& line, int lineNumber);
    void readPoints(const QVector<QStringRef>& fields, CurveData& curve) const;
    static void readPoint(const QStringRef& field, const QLocale& locale, CurveData& curve);
    uint statusOf(const CurveCsvRow& row, const CurveData& curve, bool checksumFailed) const;
    void addCurveNode(const CurveCsvRow& row, const CurveData& curve, uint status);
    bool fail();
    void showWarning(const QString& text, const QString& informativeText);

    const QString filePath;
    CurveDatabase& database;
    CurveTreeModel& tree;
    QChar separator;
    QChar decimalPoint;
    // Reads the points' numbers with the file's decimal mark.
    QLocale numberLocale;
    QMap<QString, int> columns;
    QString testerSerialNumber;
    uint fileFormat = 0;
    bool changedBySpreadsheet = false;
    bool showChecksumErrors = true;
    QVector<int> failedLines;
    TreeItem* fileItem = nullptr;
    QVector<int> importedCurves;
    std::optional<WaitCursor> waitCursor;
};

} // namespace IVCurve
