#include "FuzzTarget.h"

#include "ReportContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BlobList blobs;
    ReportContainer::decode(QByteArray(reinterpret_cast<const char*>(data), int(size)), blobs);
    return 0;
}
