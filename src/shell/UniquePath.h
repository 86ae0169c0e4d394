#pragma once

#include <QString>

// A path that names nothing yet: "Name.ext", else "Name (2).ext", "Name (3).ext", ...
class UniquePath
{
public:
    static QString of(const QString& path);
};
