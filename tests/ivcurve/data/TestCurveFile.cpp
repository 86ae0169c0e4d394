#include "TestCurveFile.h"

#include "CurveMessageBox.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

TestCurveFile::TestCurveFile()
    : curves(std::make_unique<CurveDatabase>(folder.filePath(QStringLiteral("curves.arvcrv")), messageBoxes()))
{
}

CurveFailureHandler* TestCurveFile::messageBoxes()
{
    static IVCurve::CurveMessageBox boxes(nullptr);
    return &boxes;
}

QString TestCurveFile::path() const
{
    return curves->filePath();
}

CurveDatabase& TestCurveFile::database()
{
    return *curves;
}

qint64 TestCurveFile::addCurve(int memoryIndex, const QString& testDate, double irradiance)
{
    QSqlQuery query(curves->database());
    query.prepare(QStringLiteral("INSERT INTO Curves (MemLocation, TestDate, Irradiance, CellTemp, FF) "
                                 "VALUES (?, ?, ?, 45.5, 0.77)"));
    query.addBindValue(memoryIndex);
    query.addBindValue(testDate);
    query.addBindValue(irradiance);
    query.exec();
    return query.lastInsertId().toLongLong();
}

bool TestCurveFile::execute(const QString& statement)
{
    QSqlQuery query(curves->database());
    return query.exec(statement);
}

QStringList TestCurveFile::rows(const QString& select)
{
    QSqlQuery query(curves->database());
    query.exec(select);
    QStringList lines;
    while (query.next()) {
        QStringList values;
        for (int column = 0; column < query.record().count(); ++column)
            values << (query.isNull(column) ? QStringLiteral("NULL") : query.value(column).toString());
        lines << values.join(QLatin1Char('|'));
    }
    return lines;
}

int TestCurveFile::count(const QString& table)
{
    QSqlQuery query(curves->database());
    query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table);
    return query.next() ? query.value(0).toInt() : -1;
}
