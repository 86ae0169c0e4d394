#pragma once

#include <QStringList>

namespace IVCurve {

// The module database that comes with the program. It is installed beside the programs in the
// build tree and under share/veltrano of the install prefix; the program copies it into its data
// folder on first use, as an installer would, so the user's own modules live in a file of theirs.
class ShippedModuleDatabase
{
public:
    // Where the shipped copy is (see ShippedFiles), as a list of the places to try.
    static QStringList copies();
    // Copies the first existing shipped file to `target` unless `target` already exists, which
    // is never overwritten. True when `target` exists afterwards.
    static bool installIfMissing(const QString& target, const QStringList& shippedCopies);
};

} // namespace IVCurve
