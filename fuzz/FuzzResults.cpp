#include "FuzzTarget.h"

#include "CsvResultsModel.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    CsvResultsModel model;
    model.parse(buffer);
    for (int row = 0; row < model.rowCount(); ++row)
        model.data(model.index(row, 0), Qt::ForegroundRole);
    return 0;
}
