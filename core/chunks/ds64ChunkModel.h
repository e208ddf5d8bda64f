#pragma once
// The ds64 chunk of an RF64 or BW64 file: the 64-bit sizes of the form, the data chunk and any
// other chunk whose 32-bit size field holds 0xFFFFFFFF, and the length in samples.

#include <cstdint>

#include "core/chunks/Chunk.h"

class Cds64ChunkModel : public CChunk {
    DECLARE_DYNCREATE(Cds64ChunkModel)
public:
    // The payload a save writes for a form that outgrew 4 GiB: the sizes, no table.
    static constexpr DWORD kPlainSize = 28;

    Cds64ChunkModel() = default;

    // The payload is always loaded: it holds the sizes the walk needs.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;

    std::int64_t RiffFormSize() const;
    std::int64_t DataChunkSize() const;
    std::int64_t SampleCount() const;
    // The table's size for chunk id ckid, or -1 when the table has none.
    std::int64_t TableSize(FOURCC ckid) const;
    // The table as "id = size" lines ended by CR LF, as far as the payload holds it.
    CString TableText() const;

    // Gives a chunk made for a save the plain payload of kPlainSize bytes, all zero.
    bool MakePlain();
    // Stores the sizes a save wrote, where the payload holds them.
    void StoreSizes(std::int64_t riffSize, std::int64_t dataSize);

private:
    // The size field of that name in the ds64 table, 0 when not held or past 2^63.
    std::int64_t Size(const char* pszName) const;
};
