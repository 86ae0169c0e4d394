#pragma once

#include "FoundEntry.h"

#include <QVector>

// The files and folders of a folder whose names are not valid UTF-8, as a Windows program or an
// old archive may leave them. The toolkit's listing leaves them out without a word; here they
// are read from the system, so that a search can at least show them and say why they cannot be
// opened. Symbolic links, devices and the like are left out, as in the toolkit's listing.
class UnreadableNames
{
public:
    // Files and folders in the order the system lists them; one reading of the folder serves both.
    static QVector<FoundEntry> entries(const QString& folder);
};
