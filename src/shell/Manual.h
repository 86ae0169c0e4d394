#pragma once

#include <QCoreApplication>

class QWidget;

// The PDF instruction manuals shipped with the program, one per language.
class Manual
{
    Q_DECLARE_TR_FUNCTIONS(Manual)

public:
    // The manual of the language the program runs in, among the shipped files.
    static QString path();
    // "Bedienungsanleitung.pdf" for the German templates folder, else "Instruction Manual.pdf".
    static QString fileName(const QString& reportsFolder);
    // Opens it with the desktop's PDF viewer, at `page` when given. False, after telling the user,
    // when the manual is missing.
    static bool open(QWidget* parent, int page = 0);
};
