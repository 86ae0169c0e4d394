#include "FuzzTarget.h"

#include "CurveCollection.h"
#include "CurveDocument.h"
#include "CurveGraphModel.h"
#include "CurveTreeModel.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// Every curve the tree reaches, loaded as the plot would load it when its node is shown.
void loadCurves(IVCurve::CurveDocument& document, const QModelIndex& parent)
{
    IVCurve::CurveTreeModel& tree = *document.treeModel();
    for (int row = 0; row < tree.rowCount(parent); ++row) {
        const QModelIndex index = tree.index(row, 0, parent);
        const QVariant curveId = tree.itemFor(index)->value(IVCurve::TreeItem::CurveId);
        if (!curveId.isNull())
            document.graphModel()->collection().curve(curveId.toInt());
        loadCurves(document, index);
    }
}
} // namespace

// The input is a whole curve file, opened through the document on a copy, as the program opens it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("input.arvcrv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    IVCurve::CurveDocument document(file.fileName());
    if (document.isValid())
        loadCurves(document, QModelIndex());
    return 0;
}
