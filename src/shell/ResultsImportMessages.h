#pragma once

#include <QCoreApplication>
#include <QModelIndexList>

class QWidget;

// Tells the user why chosen results rows did not go into the active report.
class ResultsImportMessages
{
    Q_DECLARE_TR_FUNCTIONS(ResultsImportMessages)

public:
    // `result` is the results importer's code; nothing is shown for a successful import.
    static void show(QWidget* parent, int result, const QString& documentPath, const QModelIndexList& indexes);

private:
    static QString noInsertionPlace(const QString& documentPath);
    static QString invalidRows(const QModelIndexList& indexes);
};
