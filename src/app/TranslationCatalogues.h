#pragma once

#include <QLocale>
#include <QString>
#include <QVector>

// The "arventa_*.qm" catalogues shipped with the program, and the locale each stands for.
class TranslationCatalogues
{
public:
    struct Catalogue
    {
        QString fileName;
        QLocale locale;
    };

    // The folder "Translations" among the shipped files (beside the program in a build tree).
    static QString folder();
    // In the folder listing's order; empty when the folder is missing or unreadable.
    static QVector<Catalogue> list(const QString& folder);
    // "arventa_de.qm" -> "de": everything after the first "_", without ".qm".
    static QString localeName(const QString& fileName);
};
