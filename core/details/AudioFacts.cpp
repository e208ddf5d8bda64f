#include "core/details/AudioFacts.h"

#include <bit>
#include <utility>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/FormatDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/fields/BextFields.h"
#include "core/io/Mmio.h"

namespace {

// The first chunk of each kind, in one walk that ends when all four are found: a file of
// thousands of chunks is asked this for each of its bext and cue chunks.
void FindFirsts(const CChunk& root, AudioFacts& facts) {
    static const FOURCC kFormat = mmioStringToFOURCC("fmt ", 0);
    static const FOURCC kData = mmioStringToFOURCC("data", 0);
    static const FOURCC kBext = mmioStringToFOURCC("bext", 0);
    static const FOURCC kIxml = mmioStringToFOURCC("iXML", 0);
    static const FOURCC kAxml = mmioStringToFOURCC("axml", 0);
    static const FOURCC kBxml = mmioStringToFOURCC("bxml", 0);
    const CChunk* pBxml = nullptr;
    const std::pair<FOURCC, const CChunk**> kinds[] = {
        {kFormat, &facts.pFormat}, {kData, &facts.pData}, {kBext, &facts.pBext},
        {kIxml, &facts.pIxml},     {kAxml, &facts.pAdm},  {kBxml, &pBxml}};
    int nFound = 0;
    for (auto it = root.begin(); it != root.end() && nFound < 6; ++it) {
        const auto* pChunk = static_cast<const CChunk*>(*it);
        for (const auto& [ckid, ppFirst] : kinds) {
            if (pChunk->m_ck.ckid == ckid && !*ppFirst) {
                *ppFirst = pChunk;
                ++nFound;
            }
        }
    }
    facts.pAdm = facts.pAdm ? facts.pAdm : pBxml;
}

// Full speaker names for a pair; codes for more, so that a 7.1.4 layout fits a line.
CString ChannelsText(const FormatRecord& format) {
    const auto channels = format.channels;
    if (!channels) {
        return {};
    }
    CString strText = std::to_string(*channels);
    const auto mask = format.channelMask;
    if (format.IsExtensible() && mask && *mask) {
        const bool bPair = std::popcount(*mask) <= 2;
        strText +=
            " (" + SpeakerNames(*mask, bPair ? SpeakerForm::Names : SpeakerForm::Codes) + ")";
    } else if (*channels <= 2) {
        strText += *channels == 1 ? " (mono)" : *channels == 2 ? " (stereo)" : "";
    }
    return strText;
}

CString FormatName(const FormatRecord& format) {
    const auto tag = format.tag;
    if (!tag) {
        return {};
    }
    CString strName = FormatTagName(*tag);
    if (format.IsExtensible() && format.subFormat) {
        const CString strSub = SubFormatName(*format.subFormat);
        strName += strSub.empty() ? "" : ", " + strSub;
    }
    return strName.empty() ? "tag " + std::to_string(*tag) : strName;
}

std::optional<std::uint64_t> SampleFrames(const CChunk& root) {
    const auto* pRiff = ClassCast<const CRiffChunkModel>(&root);
    return pRiff && pRiff->DataChunk() ? pRiff->SampleFrames() : std::nullopt;
}

}  // namespace

CString AudioFacts::RateNote() const {
    return "(" + TimecodeRateName(Rate()) + (ixmlRate ? ", from iXML)" : ", no iXML rate)");
}

AudioFacts AudioFactsOf(const CChunk& root) {
    AudioFacts facts;
    FindFirsts(root, facts);
    if (facts.pFormat) {
        facts.format = ParseFormatRecord(facts.pFormat->Payload());
        facts.dwSampleRate = facts.format.sampleRate.value_or(0);
    }
    if (facts.pBext) {
        facts.timeReference = BextTimeReference(facts.pBext->Payload());
    }
    if (facts.pIxml) {
        facts.ixmlRate = IxmlTimecodeRate(*facts.pIxml);
    }
    return facts;
}

CString SampleTimeText(std::uint64_t samples, const AudioFacts& facts) {
    if (facts.dwSampleRate == 0) {
        return "(no sample rate)";
    }
    return ClockText(samples, facts.dwSampleRate) + ", timecode " +
           TimecodeText(samples, facts.dwSampleRate, facts.Rate()) + " " + facts.RateNote();
}

std::vector<std::pair<CString, CString>> FileDetails(const CChunk& root) {
    const AudioFacts facts = AudioFactsOf(root);
    std::vector<std::pair<CString, CString>> details;
    details.emplace_back("Form", IdText(root.m_ck.ckid));
    if (facts.pFormat) {
        details.emplace_back("Format", FormatName(facts.format));
        details.emplace_back("Channels", ChannelsText(facts.format));
        if (facts.dwSampleRate) {
            details.emplace_back("Sample rate", std::to_string(facts.dwSampleRate) + " Hz");
        }
        if (const auto bits = facts.format.bits) {
            details.emplace_back("Bits", std::to_string(*bits));
        }
    }
    if (const auto frames = SampleFrames(root); frames && facts.dwSampleRate) {
        details.emplace_back("Duration", ClockText(*frames, facts.dwSampleRate) + " (" +
                                             std::to_string(*frames) + " samples)");
    }
    if (facts.timeReference) {
        details.emplace_back("Time reference", SampleTimeText(*facts.timeReference, facts));
    }
    return details;
}
