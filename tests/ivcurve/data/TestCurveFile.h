#pragma once

#include "CurveDatabase.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A new curve file in a temporary folder, open through its own CurveDatabase.
class TestCurveFile
{
public:
    TestCurveFile();

    // Shows a curve file's failures through the prompts seam with no parent, as a document would
    // over its window, so that the tests see them among the recorded prompts.
    static CurveFailureHandler* messageBoxes();

    QString path() const;
    CurveDatabase& database();
    // The new CurveID.
    qint64 addCurve(int memoryIndex, const QString& testDate = QString(), double irradiance = 800);
    bool execute(const QString& statement);
    // Every row of a query as "value|value|..." lines, NULL shown as "NULL".
    QStringList rows(const QString& select);
    int count(const QString& table);

private:
    QTemporaryDir folder;
    std::unique_ptr<CurveDatabase> curves;
};
