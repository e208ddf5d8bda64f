#include "core/chunks/SampleFrames.h"

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/fields/FactFields.h"
#include "core/fields/FieldCodec.h"

namespace {

// Codings whose every frame is one block of the same size.
bool IsBlockPerFrame(WORD wTag) {
    constexpr WORD kPcm = 0x0001, kFloat = 0x0003, kALaw = 0x0006, kMuLaw = 0x0007;
    return wTag == kPcm || wTag == kFloat || wTag == kALaw || wTag == kMuLaw;
}

// A wide form's ds64 counts the samples in 64 bits; its fact chunk's 32-bit length then
// only stands in.
std::optional<std::uint64_t> WideFrames(const CRiffChunkModel& root) {
    if (root.m_ck.ckid == mmioStringToFOURCC("RIFF", 0)) {
        return std::nullopt;
    }
    const auto* pDs64 =
        ClassCast<const Cds64ChunkModel>(root.FirstChunk(mmioStringToFOURCC("ds64", 0)));
    if (!pDs64 || pDs64->SampleCount() <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(pDs64->SampleCount());
}

std::optional<std::uint64_t> FactFrames(const CRiffChunkModel& root) {
    const CChunk* pFact = root.FirstChunk(mmioStringToFOURCC("fact", 0));
    const FieldLayout& length = *kFactFields.Find("dwSampleLength");
    if (!pFact || !IsFieldHeld(*pFact, length)) {
        return std::nullopt;
    }
    return ReadNumber(*pFact, length);
}

}  // namespace

std::optional<std::uint64_t> FramesOfSamples(const CRiffChunkModel& root) {
    const CfmtChunkModel* pFormat = root.FormatChunk();
    if (!pFormat) {
        return std::nullopt;
    }
    if (!IsBlockPerFrame(pFormat->SampleTag())) {
        const auto wide = WideFrames(root);
        return wide ? wide : FactFrames(root);
    }
    const WORD wAlign = pFormat->BlockAlign();
    if (wAlign == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(root.SampleBytes()) / wAlign;
}
