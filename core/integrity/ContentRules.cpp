#include "core/integrity/ContentRules.h"

#include <algorithm>
#include <fstream>

#include "core/base/LittleEndian.h"
#include "core/details/AdmModel.h"
#include "core/details/DbmdSegments.h"

using namespace check;

namespace {

// The largest payload a rule reads that the layout did not hold: larger ones are not checked.
constexpr std::int64_t kLargestRead = 16 << 20;

bool IsListId(const CString& strId) {
    return strId.size() == 4 && (strId[0] | 0x20) == 'l' && (strId[1] | 0x20) == 'i' &&
           (strId[2] | 0x20) == 's' && (strId[3] | 0x20) == 't';
}

// The chunk's payload as far as the file holds it: the layout's copy, else read from the file.
std::vector<BYTE> PayloadOf(const CheckInput& in, const RawChunk& chunk) {
    if (!chunk.payload.empty() || chunk.nSize == 0 || chunk.nSize > kLargestRead) {
        return chunk.payload;
    }
    std::ifstream file(in.strPath, std::ios::binary);
    const std::int64_t nHeld =
        std::clamp<std::int64_t>(in.layout.nFileSize - chunk.DataOffset(), 0, chunk.nSize);
    std::vector<BYTE> bytes(static_cast<std::size_t>(nHeld));
    file.seekg(chunk.DataOffset());
    file.read(reinterpret_cast<char*>(bytes.data()), nHeld);
    bytes.resize(file ? bytes.size()
                      : static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return bytes;
}

ByteSpan SpanOf(const std::vector<BYTE>& bytes) {
    return ByteSpan(bytes.data(), bytes.size());
}

// Only linear PCM and float give their length by their bytes.
Spots FactLength(const CheckInput& in) {
    const RawChunk* pFact = in.layout.Find("fact");
    const RawChunk* pData = in.layout.Find("data");
    const WORD wTag = in.format.SampleTag();
    const WORD wAlign = in.format.blockAlign.value_or(0);
    if (!pFact || !pData || pFact->payload.size() < 4 || (wTag != 1 && wTag != 3) || wAlign == 0) {
        return {};
    }
    const std::int64_t nFact = LittleEndianOr0(SpanOf(pFact->payload), 0, 4);
    // An RF64 file may leave the length to ds64.
    if (in.layout.strForm != "RIFF" && nFact == 0xFFFFFFFF) {
        return {};
    }
    const std::int64_t nHeld = std::min(pData->nSize, in.layout.nFileSize - pData->DataOffset());
    const std::int64_t nFrames = std::max<std::int64_t>(nHeld, 0) / wAlign;
    if (nFact == nFrames) {
        return {};
    }
    return {{"fact", pFact->DataOffset(),
             "the fact chunk gives " + Text(nFact) + " samples; the data chunk holds " +
                 Text(nFrames) + "."}};
}

// Where a chna chunk stands beside it, adm-references says so already.
Spots BxmlReadable(const CheckInput& in) {
    const RawChunk* pBxml = in.layout.Find("bxml");
    if (!pBxml || pBxml->payload.empty() || in.layout.Find("chna")) {
        return {};
    }
    CString strError;
    const CString strText = AdmDocumentText("bxml", SpanOf(pBxml->payload), strError);
    const CString strProblem = strError.empty() ? ParseAdm(strText).error : strError;
    if (strProblem.empty()) {
        return {};
    }
    return {{"bxml", pBxml->nOffset, "the bxml document cannot be read: " + strProblem + "."}};
}

Spots DbmdChecksums(const CheckInput& in) {
    const RawChunk* pDbmd = in.layout.Find("dbmd");
    if (!pDbmd) {
        return {};
    }
    const std::vector<BYTE> payload = PayloadOf(in, *pDbmd);
    CString strProblem;
    Spots spots;
    for (const DbmdSegment& segment : DbmdSegmentsOf(SpanOf(payload), strProblem)) {
        if (!DbmdChecksumAgrees(SpanOf(payload), segment)) {
            spots.push_back({"dbmd", pDbmd->DataOffset() + static_cast<std::int64_t>(segment.nAt),
                             "the checksum of metadata segment " + Text(segment.id) + " (" +
                                 Bytes(static_cast<std::int64_t>(segment.nSize)) +
                                 ") differs from its bytes."});
        }
    }
    return spots;
}

// Markers are read from, and edited in, the first adtl list only.
Spots SecondAdtl(const CheckInput& in) {
    const RawChunk* pFirst = nullptr;
    Spots spots;
    for (const RawChunk& chunk : in.layout.chunks) {
        if (!IsListId(chunk.strId) || chunk.nSize < 4) {
            continue;
        }
        const std::vector<BYTE> payload = PayloadOf(in, chunk);
        if (payload.size() < 4 || !std::equal(payload.begin(), payload.begin() + 4, "adtl")) {
            continue;
        }
        if (pFirst) {
            spots.push_back({chunk.strId, chunk.nOffset,
                             "a second adtl list; markers take their labels from the first, at " +
                                 Text(pFirst->nOffset) + ", and edits change that one only."});
        } else {
            pFirst = &chunk;
        }
    }
    return spots;
}

// Readers take one position or the other, so a marker may stand elsewhere in another program. A
// dwPosition of 0 is what most writers leave when they give the place in dwSampleOffset alone.
Spots CuePositions(const CheckInput& in) {
    const RawChunk* pCue = in.layout.Find("cue ");
    if (!pCue || pCue->payload.size() < 4) {
        return {};
    }
    const ByteSpan b = SpanOf(pCue->payload);
    const std::int64_t nPoints =
        std::min<std::int64_t>(LittleEndianOr0(b, 0, 4), (b.size() - 4) / 24);
    std::int64_t nDiffering = 0;
    CString strFirst;
    for (std::int64_t i = 0; i < nPoints; ++i) {
        const std::size_t nAt = 4 + 24 * static_cast<std::size_t>(i);
        const auto nPosition = LittleEndianOr0(b, nAt + 4, 4);
        const auto nOffset = LittleEndianOr0(b, nAt + 20, 4);
        if (nPosition != 0 && nPosition != nOffset && nDiffering++ == 0) {
            strFirst = "cue point " + Text(LittleEndianOr0(b, nAt, 4)) + " has dwPosition " +
                       Text(nPosition) + " and dwSampleOffset " + Text(nOffset);
        }
    }
    if (nDiffering == 0) {
        return {};
    }
    const CString strMore =
        nDiffering > 1 ? " (and " + Text(nDiffering - 1) + " more cue points differ)" : CString();
    return {{"cue ", pCue->DataOffset(),
             strFirst + strMore +
                 "; Ovalis places markers at dwSampleOffset, other readers may take dwPosition."}};
}

const CheckRule kContentRules[] = {
    {"fact-length", Severity::Warning, FactLength},
    {"bxml-unreadable", Severity::Error, BxmlReadable},
    {"dbmd-checksum", Severity::Warning, DbmdChecksums},
    {"adtl-second", Severity::Warning, SecondAdtl},
    {"cue-positions", Severity::Note, CuePositions},
};

}  // namespace

std::span<const CheckRule> ContentRules() {
    return kContentRules;
}
