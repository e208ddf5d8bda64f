#include "core/chunks/SampleFrames.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/fields/FactFields.h"

namespace {

// Codings whose every frame is one block of the same size.
bool IsBlockPerFrame(WORD wTag) {
    constexpr WORD kPcm = 0x0001, kFloat = 0x0003, kALaw = 0x0006, kMuLaw = 0x0007;
    return wTag == kPcm || wTag == kFloat || wTag == kALaw || wTag == kMuLaw;
}

// A wide form's ds64 counts the samples in 64 bits; its fact chunk's 32-bit length then
// only stands in.
std::optional<std::uint64_t> WideCount(const CRiffChunkModel& root) {
    const auto* pDs64 =
        ClassCast<const Cds64ChunkModel>(root.FirstChunk(mmioStringToFOURCC("ds64", 0)));
    if (root.m_ck.ckid == mmioStringToFOURCC("RIFF", 0) || !pDs64) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(pDs64->SampleCount());
}

std::optional<std::uint64_t> FactLength(const CRiffChunkModel& root) {
    const CChunk* pFact = root.FirstChunk(mmioStringToFOURCC("fact", 0));
    const FieldLayout& length = *kFactFields.Find("dwSampleLength");
    if (!pFact || !IsFieldHeld(*pFact, length)) {
        return std::nullopt;
    }
    return ReadNumber(*pFact, length);
}

}  // namespace

std::optional<std::uint64_t> FramesOf(const FrameSources& sources) {
    if (IsBlockPerFrame(sources.wSampleTag)) {
        return sources.wBlockAlign == 0
                   ? std::nullopt
                   : std::optional<std::uint64_t>(static_cast<std::uint64_t>(sources.nBytes) /
                                                  sources.wBlockAlign);
    }
    // A count of 0 is a ds64 chunk that leaves the length to the fact chunk.
    return sources.wideCount.value_or(0) > 0 ? sources.wideCount : sources.factLength;
}

std::optional<std::uint64_t> FramesOfSamples(const CRiffChunkModel& root) {
    const CfmtChunkModel* pFormat = root.FormatChunk();
    if (!pFormat) {
        return std::nullopt;
    }
    return FramesOf({pFormat->SampleTag(), pFormat->BlockAlign(), root.SampleBytes(),
                     FactLength(root), WideCount(root)});
}
