#pragma once

#include "FileKind.h"

#include <QCoreApplication>

#include <functional>

class AbstractDocument;
class QWidget;

// Turns a path into the document that shows it, or hands the file to the desktop's program.
class DocumentFactory
{
    Q_DECLARE_TR_FUNCTIONS(DocumentFactory)

public:
    using Maker = std::function<AbstractDocument*(const QString& path, QWidget* parent)>;

    // None for files that are no documents of ours (handed to the desktop) and for files whose
    // document could not be made; the caller destroys a document that is not valid.
    static AbstractDocument* createDocument(const QString& path, QWidget* parent = nullptr);

    // Each document class registers its maker as it is built; an empty maker removes it.
    static void setMaker(DocumentClass documentClass, const Maker& maker);
    // Puts the program's own makers back, after stand-ins have replaced or removed them.
    static void restoreBuiltInMakers();

private:
    static AbstractDocument* makeDocument(DocumentClass documentClass, const QString& path, QWidget* parent);
    static AbstractDocument* makeLockedDocument(DocumentClass documentClass, const QString& path, QWidget* parent);
    static void handToDesktop(const QString& path);
};
