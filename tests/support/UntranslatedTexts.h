#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// Finds English texts left in a window of a translated session: every text the window shows
// that is the source of a different translation in the language's catalogue (a .ts file).
class UntranslatedTexts
{
public:
    explicit UntranslatedTexts(const QString& tsFile);

    // False when the catalogue could not be read, so that an empty finding means something.
    bool isLoaded() const;
    // The texts under `root` (itself, its widgets, actions, menus, tabs, lists and headers)
    // that are still in the source language.
    QStringList in(const QWidget* root) const;

    static QStringList shownTexts(const QWidget* root);

private:
    QSet<QString> translatedSources;
};
