#pragma once

#include <QString>

// The folders that Windows calls "public documents" and "program data", as this desktop has them.
class KnownFolders
{
public:
    static QString publicDocuments();
    static QString programData();
};
