#include "UniquePath.h"

#include <QFileInfo>

QString UniquePath::of(const QString& path)
{
    if (!QFileInfo::exists(path))
        return path;
    const QString extension = QFileInfo(path).suffix();
    const QString base = extension.isEmpty() ? path : path.left(path.size() - extension.size() - 1);
    for (int number = 2;; ++number) {
        const QString candidate = extension.isEmpty() ? QStringLiteral("%1 (%2)").arg(base).arg(number)
                                                      : QStringLiteral("%1 (%2).%3").arg(base).arg(number).arg(extension);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
