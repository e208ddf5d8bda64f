#include "core/chunks/ds64ChunkModel.h"

#include <algorithm>

#include "core/chunks/ChunkId.h"
#include "core/fields/Ds64Fields.h"

IMPLEMENT_DYNCREATE(Cds64ChunkModel, CChunk)

namespace {

const FieldLayout& Field(const char* pszName) {
    return *kDs64Fields.Find(pszName);
}

// The table after the sizes: entries of a chunk id and its 64-bit size.
const FieldLayout& TableLength() {
    return Field("tableLength");
}
constexpr DWORD kEntryIdWidth = 4;
constexpr DWORD kEntrySizeWidth = 8;
constexpr DWORD kEntrySize = kEntryIdWidth + kEntrySizeWidth;

// Sizes past 2^63 say nothing a file can hold: they read as 0, which the walk does not trust.
std::int64_t AsSize(std::uint64_t value) {
    return value > static_cast<std::uint64_t>(INT64_MAX) ? 0 : static_cast<std::int64_t>(value);
}

}  // namespace

std::int64_t Cds64ChunkModel::Size(const char* pszName) const {
    return AsSize(Field(pszName).NumberIn(Payload()).value_or(0));
}

BOOL Cds64ChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString Cds64ChunkModel::GetDescription() {
    return "ds64 Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

std::int64_t Cds64ChunkModel::RiffFormSize() const {
    return Size("riffSize");
}

std::int64_t Cds64ChunkModel::DataChunkSize() const {
    return Size("dataSize");
}

std::int64_t Cds64ChunkModel::SampleCount() const {
    return Size("sampleCount");
}

// A ds64 of 24 bytes has no table length; a length larger than the payload holds is cut to it.
std::int64_t Cds64ChunkModel::TableSize(FOURCC ckid) const {
    const ByteSpan payload = Payload();
    for (std::size_t offset = TableLength().offset + TableLength().width;
         offset + kEntrySize <= payload.size(); offset += kEntrySize) {
        if (LittleEndianAt(payload, offset, kEntryIdWidth) == ckid) {
            return AsSize(LittleEndianOr0(payload, offset + kEntryIdWidth, kEntrySizeWidth));
        }
    }
    return -1;
}

CString Cds64ChunkModel::TableText() const {
    CString strText;
    const ByteSpan payload = Payload();
    for (std::size_t offset = TableLength().offset + TableLength().width;
         offset + kEntrySize <= payload.size(); offset += kEntrySize) {
        strText +=
            IdText(reinterpret_cast<const char*>(&payload[offset])) + " = " +
            std::to_string(LittleEndianOr0(payload, offset + kEntryIdWidth, kEntrySizeWidth)) +
            "\r\n";
    }
    return strText;
}

bool Cds64ChunkModel::MakePlain() {
    m_ck.ckid = mmioStringToFOURCC("ds64", 0);
    m_ck.cksize = kPlainSize;
    m_strName = "ds64";
    return AllocateData(kPlainSize);
}

void Cds64ChunkModel::StoreSizes(std::int64_t riffSize, std::int64_t dataSize) {
    const std::span<BYTE> payload(Data(), Data() ? CChunk::DataSize() : 0);
    Field("riffSize").StoreIn(payload, static_cast<std::uint64_t>(riffSize));
    Field("dataSize").StoreIn(payload, static_cast<std::uint64_t>(dataSize));
}
