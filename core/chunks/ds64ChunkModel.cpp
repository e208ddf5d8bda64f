#include "core/chunks/ds64ChunkModel.h"

#include <algorithm>

#include "core/chunks/ChunkId.h"

IMPLEMENT_DYNCREATE(Cds64ChunkModel, CChunk)

namespace {

constexpr DWORD kRiffSizeOffset = 0;
constexpr DWORD kDataSizeOffset = 8;
constexpr DWORD kSampleCountOffset = 16;
constexpr DWORD kTableLengthOffset = 24;
constexpr DWORD kTableOffset = 28;
constexpr DWORD kEntrySize = 12;

// Sizes past 2^63 say nothing a file can hold: they read as 0, which the walk does not trust.
std::int64_t AsSize(std::uint64_t value) {
    return value > static_cast<std::uint64_t>(INT64_MAX) ? 0 : static_cast<std::int64_t>(value);
}

void StoreLittleEndian64(std::uint64_t value, BYTE* pBytes) {
    for (int i = 0; i < 8; ++i) {
        pBytes[i] = static_cast<BYTE>(value >> (8 * i));
    }
}

}  // namespace

std::uint64_t ReadLittleEndian64(const BYTE* pPayload, DWORD dwSize, DWORD offset) {
    if (pPayload == nullptr || dwSize < 8 || offset > dwSize - 8) {
        return 0;
    }
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = value << 8 | pPayload[offset + i];
    }
    return value;
}

Cds64ChunkModel::Cds64ChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

BOOL Cds64ChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString Cds64ChunkModel::GetDescription() {
    return "ds64 Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

std::int64_t Cds64ChunkModel::RiffFormSize() const {
    return AsSize(ReadLittleEndian64(Data(), CChunk::DataSize(), kRiffSizeOffset));
}

std::int64_t Cds64ChunkModel::DataChunkSize() const {
    return AsSize(ReadLittleEndian64(Data(), CChunk::DataSize(), kDataSizeOffset));
}

std::int64_t Cds64ChunkModel::SampleCount() const {
    return AsSize(ReadLittleEndian64(Data(), CChunk::DataSize(), kSampleCountOffset));
}

// A ds64 of 24 bytes has no table length; a length larger than the payload holds is cut to it.
std::int64_t Cds64ChunkModel::TableSize(FOURCC ckid) const {
    const DWORD dwSize = CChunk::DataSize();
    for (DWORD offset = kTableOffset; Data() && offset + kEntrySize <= dwSize;
         offset += kEntrySize) {
        DWORD id = 0;
        AddLittleEndian(&id, Data() + offset, 4);
        if (id == ckid) {
            return AsSize(ReadLittleEndian64(Data(), dwSize, offset + 4));
        }
    }
    return -1;
}

CString Cds64ChunkModel::TableText() const {
    CString strText;
    const DWORD dwSize = CChunk::DataSize();
    for (DWORD offset = kTableOffset; Data() && offset + kEntrySize <= dwSize;
         offset += kEntrySize) {
        strText += IdText(reinterpret_cast<const char*>(Data() + offset)) + " = " +
                   std::to_string(ReadLittleEndian64(Data(), dwSize, offset + 4)) + "\r\n";
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
    if (Data() && CChunk::DataSize() >= kTableLengthOffset) {
        StoreLittleEndian64(static_cast<std::uint64_t>(riffSize), Data() + kRiffSizeOffset);
        StoreLittleEndian64(static_cast<std::uint64_t>(dataSize), Data() + kDataSizeOffset);
    }
}
