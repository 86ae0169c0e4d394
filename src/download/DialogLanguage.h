#pragma once

#include "LanguageEntry.h"

#include <QDialog>
#include <QLocale>
#include <QVector>

class QComboBox;

// Lists the program's translation catalogues in a folder, English first, and stores the choice.
class DialogLanguage : public QDialog
{
    Q_OBJECT

public:
    explicit DialogLanguage(const QString& folder, QWidget* parent = nullptr);

    bool isEmpty() const;

    // The catalogues "TorvaneQuillet*_xx.qm" in the folder, English first, then by file name.
    static QVector<LanguageEntry> entries(const QString& folder);
    // The saved catalogue, else the system's language (the last match), else the first entry.
    static int preferredIndex(const QVector<LanguageEntry>& entries, const QString& savedPath,
                              QLocale::Language systemLanguage);

public slots:
    void accept() override;

private:
    QComboBox* list;
};
