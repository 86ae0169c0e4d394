#pragma once

#include <QString>

class QWidget;

namespace IVCurve {

// The save dialog of every curve output: it opens in the folder remembered under `folderKey`
// (the projects root until one was remembered), remembers the chosen file's folder, and gives a
// name typed without extension the one the output is written as.
class ExportFileChooser
{
public:
    ExportFileChooser(const QString& folderKey, const QString& defaultSuffix);

    // Empty when the user cancelled.
    QString choose(QWidget* parent, const QString& caption, const QString& filter, const QString& proposedName) const;

    static QString withSuffix(const QString& path, const QString& suffix);

private:
    QString startFolder() const;

    QString key;
    QString suffix;
};

} // namespace IVCurve
