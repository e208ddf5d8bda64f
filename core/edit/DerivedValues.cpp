#include "core/edit/DerivedValues.h"

#include "core/fields/FormatFields.h"
#include "core/io/Mmio.h"

namespace {

constexpr WORD kFormatFloat = 0x0003;
constexpr WORD kFormatExtensible = 0xFFFE;

std::uint64_t NumberOf(ByteSpan record, const char* pszName) {
    return kPcmFormatFields.Find(pszName)->NumberIn(record).value_or(0);
}

bool HasDerivedValues(ByteSpan record) {
    const auto tag = kFormatTagField.NumberIn(record);
    const bool bKnown =
        tag && (*tag == WAVE_FORMAT_PCM || *tag == kFormatFloat || *tag == kFormatExtensible);
    return bKnown && kPcmFormatFields.Find("wBitsPerSample")->NumberIn(record).has_value();
}

}  // namespace

std::vector<CString> DerivedDisagreements(ByteSpan formatRecord) {
    if (!HasDerivedValues(formatRecord)) {
        return {};
    }
    const std::uint64_t nChannels = NumberOf(formatRecord, "nChannels");
    const std::uint64_t nBits = NumberOf(formatRecord, "wBitsPerSample");
    const std::uint64_t nRate = NumberOf(formatRecord, "nSamplesPerSec");
    const std::uint64_t nBlockAlign = NumberOf(formatRecord, "nBlockAlign");
    const std::uint64_t nAvgBytes = NumberOf(formatRecord, "nAvgBytesPerSec");
    const std::uint64_t nAgreeingAlign = (nChannels * nBits + 7) / 8;
    const std::uint64_t nAgreeingAvg = nRate * nAgreeingAlign;
    std::vector<CString> disagreements;
    if (nBlockAlign != nAgreeingAlign) {
        disagreements.push_back("nBlockAlign is " + std::to_string(nBlockAlign) + "; " +
                                std::to_string(nChannels) + " channels of " +
                                std::to_string(nBits) + " bits make " +
                                std::to_string(nAgreeingAlign));
    }
    if (nAvgBytes != nAgreeingAvg) {
        disagreements.push_back("nAvgBytesPerSec is " + std::to_string(nAvgBytes) + "; " +
                                std::to_string(nRate) + " samples a second of " +
                                std::to_string(nAgreeingAlign) + " bytes make " +
                                std::to_string(nAgreeingAvg));
    }
    return disagreements;
}

std::vector<CString> DerivedDisagreements(const CRiffChunkModel& root) {
    const CChunk* pFormat = root.FirstChunk(mmioStringToFOURCC("fmt ", 0));
    return pFormat ? DerivedDisagreements(pFormat->Payload()) : std::vector<CString>();
}

std::vector<CString> DisagreementsLeft(const std::vector<CString>& before,
                                       std::vector<CString> after) {
    return after == before ? std::vector<CString>() : after;
}
