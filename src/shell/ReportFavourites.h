#pragma once

#include <QCoreApplication>
#include <QStringList>

class QWidget;

// The favourite of a kind is "default.<ext>" in the program's data folder; every new document of
// that kind is copied from it. When absent it is made from the shipped default of the current
// language.
class ReportFavourites
{
    Q_DECLARE_TR_FUNCTIONS(ReportFavourites)

public:
    // The six kinds a language change clears.
    static const QStringList& allExtensions();

    static QString favouritePath(const QString& extension);
    static QString shippedDefault(const QString& extension);

    // Makes the favourite from the shipped default unless it exists. False (the user told why)
    // when it could not be made; no partial favourite is left.
    static bool ensure(const QString& extension, QWidget* parent);
    // Deletes the favourite and copies the shipped default in its place.
    static bool restore(const QString& extension, QWidget* parent);
    // True when favourite and shipped default can both be read and differ.
    static bool isModified(const QString& extension);
    static void removeAll();

private:
    static bool copyShippedDefault(const QString& extension, QWidget* parent);
};
