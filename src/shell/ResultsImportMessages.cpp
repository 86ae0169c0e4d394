#include "ResultsImportMessages.h"

#include "AppIdentity.h"
#include "Prompts.h"
#include "ResultsImporter.h"

#include <QFileInfo>

void ResultsImportMessages::show(QWidget* parent, int result, const QString& documentPath, const QModelIndexList& indexes)
{
    switch (result) {
    case ResultsImporter::NoInsertionPlace:
        Prompts::instance().show(parent, QMessageBox::Warning, noInsertionPlace(documentPath));
        break;
    case ResultsImporter::TableFull:
        Prompts::instance().show(parent, QMessageBox::Warning,
                                 tr("No more room left in the report table. Please use another Array Test Report.",
                                    "Error Message"));
        break;
    case ResultsImporter::InvalidRow:
        Prompts::instance().show(parent, QMessageBox::Critical, invalidRows(indexes));
        break;
    default:
        break;
    }
}

// An array test report without a place for the results was made from an older template.
QString ResultsImportMessages::noInsertionPlace(const QString& documentPath)
{
    if (QFileInfo(documentPath).suffix().toLower() != QLatin1String("arvatr"))
        return tr("Unable to find where to insert data. Please ensure an Array Test Report has focus before "
                  "inserting the data.",
                  "Error Message");
    return tr("You are attempting to insert data into an older version of the Array Test Report document. "
              "\t\t\t\t\t\t\t\t   Please create a new Array Test Report if you would like to import data into it. "
              "\t\t\t\t\t\t\t\t   You may need to restore the Array Test Document in the favourites settings if the "
              "favourite \t\t\t\t\t\t\t\t   was created using an earlier version of %1.",
              "Error Message")
        .arg(AppIdentity::applicationName);
}

QString ResultsImportMessages::invalidRows(const QModelIndexList& indexes)
{
    QStringList texts;
    for (const QModelIndex& index : indexes)
        texts << index.data().toString();
    return tr("Programming error: Invalid row: %1", "Error Message").arg(texts.join(QStringLiteral(", ")));
}
