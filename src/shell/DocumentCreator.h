#pragma once

#include <QCoreApplication>

class QWidget;

// Makes a new document in a folder as a copy of its kind's favourite, under a name no file has yet.
class DocumentCreator
{
    Q_DECLARE_TR_FUNCTIONS(DocumentCreator)

public:
    explicit DocumentCreator(QWidget* parent);

    // `fileName` is the kind's default name, such as "Checklist.arvchk". Returns the new file's
    // path; empty when nothing was made (the user has been told why).
    QString create(const QString& folder, const QString& fileName);

    // The array test report template that results can be imported into.
    static QString currentTestReportTemplate();

private:
    // A favourite saved from an older template cannot take imported results: offer to drop it.
    void offerToReplaceOldTestReport(const QString& favourite);
    bool copyFavourite(const QString& favourite, const QString& target);

    QWidget* parent;
};
