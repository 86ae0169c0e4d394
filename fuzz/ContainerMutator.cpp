#include "ReportContainer.h"

#include <cstring>

// libFuzzer's own mutation, for the bytes it is handed.
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {
// Room for an entry to grow by in one mutation.
constexpr int growth = 256;

// Mutates the data of one entry and packs the list again; false when the result does not fit.
bool mutateEntry(BlobList& blobs, unsigned int seed, QByteArray& packed, size_t maxSize)
{
    QByteArray& data = blobs[int(seed % unsigned(blobs.size()))].data;
    const int size = data.size();
    data.resize(size + growth);
    data.resize(int(LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(data.data()), size_t(size), size_t(data.size()))));
    packed = ReportContainer::encode(blobs);
    return size_t(packed.size()) <= maxSize;
}
} // namespace

// Nearly all of a container is one zlib stream, so a changed byte there only breaks its
// checksum and the readers behind it never see a changed entry. A container that opens has one
// entry mutated and is packed again; anything else, and now and then a good one too, is mutated
// as raw bytes, which keeps the container's own checks under test.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
{
    BlobList blobs;
    QByteArray packed;
    const bool raw = seed % 8 == 0
        || ReportContainer::decode(QByteArray(reinterpret_cast<const char*>(data), int(size)), blobs)
            != ReportContainer::Status::Ok;
    if (raw || !mutateEntry(blobs, seed / 8, packed, maxSize))
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, packed.constData(), size_t(packed.size()));
    return size_t(packed.size());
}
