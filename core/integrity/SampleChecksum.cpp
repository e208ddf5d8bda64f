#include "core/integrity/SampleChecksum.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::int64_t kPassSize = 1 << 20;

CString ReadFailure(std::int64_t nPosition) {
    return "couldn't read the samples at offset " + std::to_string(nPosition);
}

}  // namespace

ChecksumResult ChecksumOfBytes(HMMIO hmmio, std::int64_t nOffset, std::int64_t nSize,
                               const WorkProgress& progress) {
    if (mmioSeek(hmmio, nOffset, SEEK_FROM_START) != nOffset) {
        return {std::nullopt, ReadFailure(nOffset)};
    }
    CMd5 md5;
    std::vector<char> buffer(
        static_cast<std::size_t>(std::min(kPassSize, std::max<std::int64_t>(nSize, 1))));
    for (std::int64_t nDone = 0; nDone < nSize;) {
        const auto nRequest = static_cast<LONG>(std::min<std::int64_t>(nSize - nDone, kPassSize));
        const LONG nGot = mmioRead(hmmio, buffer.data(), nRequest);
        if (nGot < 0) {
            return {std::nullopt, ReadFailure(nOffset + nDone)};
        }
        if (nGot == 0) {
            break;
        }
        md5.Add(buffer.data(), static_cast<std::size_t>(nGot));
        nDone += nGot;
        if (progress && !progress(nDone, nSize)) {
            return {std::nullopt, kCancelled};
        }
    }
    return {md5.Digest(), CString()};
}

ChecksumResult SampleChecksum(const SampleSource& source, const WorkProgress& progress) {
    if (!source.bHasData) {
        return {std::nullopt, "the file has no data chunk"};
    }
    HMMIO hmmio = mmioOpen(source.strPath.c_str(), nullptr, MMIO_READ | MMIO_DENYNONE);
    if (!hmmio) {
        return {std::nullopt, "couldn't open " + source.strPath};
    }
    ChecksumResult result = ChecksumOfBytes(hmmio, source.nOffset, source.nSize, progress);
    mmioClose(hmmio, 0);
    return result;
}

ChecksumResult SampleChecksum(const CRiffChunkModel& root, const WorkProgress& progress) {
    return SampleChecksum(SampleSourceOf(root), progress);
}
