#include "core/file/FillerRoom.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/chunks/ChunkId.h"
#include "core/chunks/DataChunkModel.h"

namespace {

// Where a chunk goes: its payload's new offset, and for a filler its new payload size (-1 for a
// filler whose room is all taken, which goes).
struct Placement {
    CChunk* pChunk;
    std::int64_t offset;
    std::int64_t fillerSize = 0;
};

std::int64_t Padded(std::int64_t size) {
    return size + (size & 1);
}

// A filler gives room only when it holds every byte it declares: the room of one that the file
// cuts short (or that declares more than the file has) is not the file's, and sizing the filler
// to it would make a payload as large as its declared size, of bytes the file never held.
bool IsMovableFiller(const CChunk& chunk) {
    return IsFillerId(chunk.m_ck.ckid) && chunk.m_ck.llDataOffset != 0 && !chunk.IsLeftInFile() &&
           chunk.m_ck.llDataSize == static_cast<std::int64_t>(chunk.DataSize());
}

// The filler's room as the file has it, from rPos on: its new place, or nothing when the chunks
// before it already reach past its end.
std::optional<Placement> FillerFrom(CChunk& filler, std::int64_t& rPos) {
    const std::int64_t end = filler.m_ck.llDataOffset + Padded(filler.m_ck.llDataSize);
    const std::int64_t room = end - rPos - 8;
    // A filler grown past what a chunk is held at (from chunks before it that shrank by as much)
    // is left to the whole-file save, as is one whose room the chunks before it overran.
    if ((room < 0 && end != rPos) || room > CChunk::kLargestHeld) {
        return std::nullopt;
    }
    const Placement placement{&filler, rPos + 8, room < 0 ? -1 : room};
    rPos = end;
    return placement;
}

std::optional<std::vector<Placement>> Plan(const CRiffChunkModel& root) {
    std::vector<Placement> plan;
    std::int64_t pos = root.m_ck.llDataOffset + 4;
    for (CObject* pObject : root) {
        auto& chunk = *static_cast<CChunk*>(pObject);
        if (IsMovableFiller(chunk)) {
            std::optional<Placement> filler = FillerFrom(chunk, pos);
            if (!filler) {
                return std::nullopt;
            }
            plan.push_back(*filler);
            continue;
        }
        // The samples stay where they are; a chunk held whole may move up to the next filler.
        const bool bSamples =
            chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel)) || chunk.IsLeftInFile();
        if (chunk.m_ck.llDataOffset != pos + 8) {
            if (bSamples) {
                return std::nullopt;
            }
            plan.push_back({&chunk, pos + 8});
        }
        pos += 8 + Padded(bSamples ? chunk.m_ck.llDataSize : chunk.DataSize());
    }
    return plan;
}

void Apply(CRiffChunkModel& root, const std::vector<Placement>& plan) {
    std::vector<CChunk*> dropped;
    for (const Placement& placement : plan) {
        CChunk& chunk = *placement.pChunk;
        chunk.m_ck.llDataOffset = placement.offset;
        if (!IsMovableFiller(chunk)) {
            continue;
        }
        if (placement.fillerSize < 0) {
            dropped.push_back(&chunk);
            continue;
        }
        const auto nSize = static_cast<DWORD>(placement.fillerSize);
        if (nSize != chunk.DataSize()) {
            const std::vector<BYTE> zeros(nSize);
            chunk.SetData(zeros.data(), nSize);
        }
    }
    if (dropped.empty()) {
        return;
    }
    std::vector<CObject*> kept;
    for (CObject* pObject : root) {
        if (std::find(dropped.begin(), dropped.end(), pObject) == dropped.end()) {
            kept.push_back(pObject);
        }
    }
    root.RemoveAll();
    for (CObject* pObject : kept) {
        root.AddChild(static_cast<CChunk*>(pObject));
    }
    for (CChunk* pChunk : dropped) {
        delete pChunk;
    }
}

}  // namespace

void FitIntoFillerRoom(CRiffChunkModel& root) {
    if (const std::optional<std::vector<Placement>> plan = Plan(root)) {
        Apply(root, *plan);
    }
}
