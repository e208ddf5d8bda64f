#include "core/file/InPlacePlan.h"

#include <algorithm>

#include "core/chunks/DataChunkModel.h"

namespace {

// Differing bytes closer than this are written as one range.
constexpr std::size_t kJoinGap = 16;
// A save in place that cuts more than this off the file's end would journal all of it.
constexpr std::int64_t kLargestCut = CChunk::kLargestHeld;
constexpr std::int64_t kLargestRiffForm = 0xFFFFFFFF;

// The file's bytes from offset, as many of nSize as it has before end.
std::optional<CString> ReadHeld(HMMIO hmmio, std::int64_t offset, std::size_t nSize,
                                std::int64_t end) {
    const auto nHeld = static_cast<std::size_t>(
        std::clamp<std::int64_t>(end - offset, 0, static_cast<std::int64_t>(nSize)));
    CString strBytes(nHeld, '\0');
    const auto nCount = static_cast<LONG>(nHeld);
    if (mmioSeek(hmmio, offset, SEEK_FROM_START) != offset ||
        mmioRead(hmmio, strBytes.data(), nCount) != nCount) {
        return std::nullopt;
    }
    return strBytes;
}

CString HeaderOf(FOURCC ckid, DWORD dwSize) {
    return LittleEndianText(ckid, 4) + LittleEndianText(dwSize, 4);
}

// The runs where the new bytes differ from the file's, as file ranges of new bytes.
void AddDifferences(const CString& strOld, const char* pNew, std::int64_t offset,
                    std::vector<FileBytes>& rRanges) {
    std::size_t i = 0;
    while (i < strOld.size()) {
        if (strOld[i] == pNew[i]) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        for (std::size_t same = 0; end < strOld.size() && same < kJoinGap; ++end) {
            same = strOld[end] == pNew[end] ? same + 1 : 0;
        }
        while (strOld[end - 1] == pNew[end - 1]) {
            --end;
        }
        rRanges.push_back({offset + static_cast<std::int64_t>(i), CString(pNew + i, end - i)});
        i = end;
    }
}

// The chunk's header and payload against the file's bytes where it stands (those past the
// file's end are new); a chunk placed there anew also gets its pad byte.
bool AddChunkDifferences(const CChunk& chunk, HMMIO hmmio, std::int64_t end,
                         std::vector<FileBytes>& rRanges) {
    const std::int64_t offset = chunk.m_ck.llDataOffset;
    const std::optional<CString> old = ReadHeld(hmmio, offset - 8, 8 + chunk.DataSize(), end);
    if (!old) {
        return false;
    }
    CString strNew = HeaderOf(chunk.m_ck.ckid, chunk.DataSize());
    const bool bPlaced = old->compare(0, 8, strNew) != 0;
    if (chunk.DataSize() > 0) {
        strNew.append(reinterpret_cast<const char*>(chunk.Data()), chunk.DataSize());
    }
    AddDifferences(*old, strNew.data(), offset - 8, rRanges);
    if (old->size() < strNew.size()) {
        rRanges.push_back(
            {offset - 8 + static_cast<std::int64_t>(old->size()), strNew.substr(old->size())});
    }
    if (bPlaced && (chunk.DataSize() & 1) != 0) {
        rRanges.push_back({offset + chunk.DataSize(), CString(1, '\0')});
    }
    return true;
}

bool IsSamples(const CChunk& chunk) {
    return chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel)) || chunk.IsLeftInFile();
}

// Each chunk where the one before it ends; rExpected: where the last one ends.
bool AddChunks(const CRiffChunkModel& root, HMMIO hmmio, std::int64_t end, InPlacePlan& rPlan,
               std::int64_t& rExpected) {
    rExpected = root.m_ck.llDataOffset + 4;
    for (CObject* pObject : root) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        const std::int64_t offset = chunk.m_ck.llDataOffset;
        if (offset - 8 != rExpected) {
            return false;
        }
        rExpected = offset + chunk.m_ck.llDataSize + (chunk.m_ck.llDataSize & 1);
        if (IsSamples(chunk)) {
            continue;
        }
        if (chunk.m_ck.llDataSize != chunk.DataSize() ||
            !AddChunkDifferences(chunk, hmmio, end, rPlan.ranges)) {
            return false;
        }
    }
    return true;
}

std::optional<std::uint64_t> NumberAt(HMMIO hmmio, std::int64_t offset, int nBytes) {
    const std::optional<CString> bytes = ReadHeld(hmmio, offset, nBytes, offset + nBytes);
    if (!bytes) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>((*bytes)[i]);
    }
    return value;
}

// The form's new size where the file keeps it: the RIFF header, or the ds64 chunk of a wide
// form. Only a form whose size agreed with its file is given a new one.
std::optional<FileBytes> FormSizeRange(const CRiffChunkModel& root, HMMIO hmmio,
                                       std::int64_t oldSize, std::int64_t newSize) {
    if (root.m_ck.ckid == mmioStringToFOURCC("RIFF", 0)) {
        return NumberAt(hmmio, 4, 4) == static_cast<std::uint64_t>(oldSize - 8) &&
                       newSize - 8 <= kLargestRiffForm
                   ? std::optional(FileBytes{4, LittleEndianText(newSize - 8, 4)})
                   : std::nullopt;
    }
    const CChunk* pDs64 = root.FirstChunk(mmioStringToFOURCC("ds64", 0));
    if (!pDs64 || IsSamples(*pDs64) ||
        NumberAt(hmmio, pDs64->m_ck.llDataOffset, 8) != static_cast<std::uint64_t>(oldSize - 8)) {
        return std::nullopt;
    }
    return FileBytes{pDs64->m_ck.llDataOffset, LittleEndianText(newSize - 8, 8)};
}

// An RF64 or BW64 form that the tree calls RIFF: its header and the data chunk's size field get
// the real sizes (the tree's ds64 chunk is a filler by now).
bool AddRiffSizes(const CRiffChunkModel& root, std::int64_t newSize, InPlacePlan& rPlan) {
    const CChunk* pData = root.DataChunk();
    if (newSize - 8 > kLargestRiffForm || (pData && pData->m_ck.llDataSize >= kLargestRiffForm)) {
        return false;
    }
    rPlan.ranges.push_back({0, "RIFF" + LittleEndianText(newSize - 8, 4)});
    if (pData) {
        rPlan.ranges.push_back(
            {pData->m_ck.llDataOffset - 4, LittleEndianText(pData->m_ck.llDataSize, 4)});
    }
    return true;
}

bool TouchesSamples(const CRiffChunkModel& root, const std::vector<FileBytes>& ranges) {
    return std::any_of(ranges.begin(), ranges.end(), [&root](const FileBytes& range) {
        const std::int64_t rangeEnd = range.offset + static_cast<std::int64_t>(range.bytes.size());
        return range.offset < root.SampleOffset() + root.SampleBytes() &&
               root.SampleOffset() < rangeEnd;
    });
}

// The form id as the file has it, against the tree's: the same, or a wide form made RIFF.
std::optional<bool> FormConverts(const CRiffChunkModel& root, HMMIO hmmio) {
    const std::optional<CString> form = ReadHeld(hmmio, 0, 4, 4);
    if (!form || form->size() != 4) {
        return std::nullopt;
    }
    const CString strTree = LittleEndianText(root.m_ck.ckid, 4);
    if (*form == strTree) {
        return false;
    }
    const bool bWide = *form == "RF64" || *form == "BW64";
    return bWide && strTree == "RIFF" ? std::optional(true) : std::nullopt;
}

}  // namespace

std::optional<InPlacePlan> PlanInPlace(const CRiffChunkModel& root, HMMIO hmmio) {
    const std::optional<bool> converts = FormConverts(root, hmmio);
    const std::int64_t fileSize = mmioFileSize(hmmio);
    const bool bEndsWithChunks = root.UnwalkedOffset() < 0 && root.TrailingBytes().empty();
    const std::int64_t end =
        bEndsWithChunks ? fileSize
                        : (root.UnwalkedOffset() >= 0
                               ? root.UnwalkedOffset()
                               : fileSize - static_cast<std::int64_t>(root.TrailingBytes().size()));
    InPlacePlan plan{{}, fileSize, fileSize};
    std::int64_t expected = 0;
    if (!converts || !AddChunks(root, hmmio, end, plan, expected)) {
        return std::nullopt;
    }
    // Past the last chunk only a file that ends with it may grow or shrink.
    if (expected != end && (!bEndsWithChunks || end - expected > kLargestCut)) {
        return std::nullopt;
    }
    plan.newSize = expected + (fileSize - end);
    const std::size_t nChunkRanges = plan.ranges.size();
    if (*converts && !AddRiffSizes(root, plan.newSize, plan)) {
        return std::nullopt;
    }
    if (!*converts && expected != end) {
        const std::optional<FileBytes> formSize =
            FormSizeRange(root, hmmio, plan.oldSize, plan.newSize);
        if (!formSize) {
            return std::nullopt;
        }
        plan.ranges.push_back(*formSize);
    }
    plan.nSizes = plan.ranges.size() - nChunkRanges;
    return TouchesSamples(root, plan.ranges) ? std::nullopt : std::optional(plan);
}
