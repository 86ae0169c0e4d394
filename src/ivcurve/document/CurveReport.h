#pragma once

#include "DiagnosisFinding.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class CurveData;
class QWidget;

namespace IVCurve {

struct CurveKeyValues;

// The PDF report of the selected strings that the installer hands the customer: one row per
// string in the measurement table and in the key-value table of the language's HTML template,
// grouped under the file and folders the strings are filed in, and a total.
class CurveReport
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveReport)

public:
    static constexpr double DefaultDeviationThreshold = 5.0;
    static constexpr double LargestDeviationThreshold = 100.0;

    struct Entry {
        Entry() = default;
        Entry(const QString& stringName, CurveData* stringCurve, const QStringList& foldersAbove = {},
              qlonglong folderNodeId = 0)
            : name(stringName), curve(stringCurve), folders(foldersAbove), folderNode(folderNodeId)
        {
        }

        QString name;
        CurveData* curve = nullptr;
        // The descriptions of the nodes above the string, the top-level one (the file) first.
        QStringList folders;
        // The node id of the folder the string is filed in: two files of one name are two groups.
        qlonglong folderNode = 0;
        QVector<DiagnosisFinding> findings;
    };

    static const QString table1Marker;
    static const QString table2Marker;
    static const QString totalNoteMarker;
    static const QString findingsSummaryMarker;

    // ":/res/" + the language's reports folder + "/PV Array Curve Report.html"; empty when it
    // cannot be read.
    static QString templateText();
    // The deviation from nominal power, in percent, beyond which the user wants it marked.
    static double deviationThreshold();
    static QString measurementRow(const Entry& entry);
    static QString keyValueRow(const Entry& entry, double threshold = DefaultDeviationThreshold);
    // The powers of the strings with a curve added up, with the deviation of their STC total
    // from nominal when every one of them has a module.
    static QString totalRow(const QVector<Entry>& entries, double threshold = DefaultDeviationThreshold);
    // The escaped name, with the approximation note below it when there is one.
    static QString nameWithNote(const Entry& entry);
    // The template with every entry's rows in place of the markers.
    static QString html(const QString& templateText, const QVector<Entry>& entries,
                        double threshold = DefaultDeviationThreshold);

    // The page as the user's settings make it, for the PDF and the print preview alike.
    static QString userPage(const QVector<Entry>& entries);

    // Asks for the file and prints the report into it; false when nothing was written.
    static bool exportPdf(QWidget* parent, const QVector<Entry>& entries, const QString& proposedName);

private:
    static QString cell(const QString& indent, const QString& placeholder, const QString& extraStyle);
    static QString rowOf(const QString& indent, const QStringList& placeholders, int markedCell = -1);
    static QString filled(const QString& indent, const QStringList& placeholders, const QStringList& values,
                          int markedCell = -1);
    static QString groupRow(const QStringList& folders, int columns);
    static QString localeNumber(const QString& text, int decimals);
    static QString fixed(double value, int decimals);
    static QString otherResults(const Entry& entry);
    static QStringList keyValues(const CurveKeyValues& measured, const CurveKeyValues& stc,
                                 const CurveKeyValues& nominal, bool withStc);
    static CurveKeyValues readingsKeyValues(const CurveData& curve);
    // The expected power and the performance factor; each empty when there is none.
    static QStringList expectedValues(CurveData& curve);
    static QStringList expectedTotals(const QVector<Entry>& entries);
    // Rounded as shown, so that the mark and the number agree; negative when there is none.
    static double deviation(double nominal, double stc);
    static bool nominalTotalIsPartial(const QVector<Entry>& entries);
};

} // namespace IVCurve
