#include "core/integrity/SampleChecksum.h"

#include "core/integrity/BlockPass.h"

ChecksumResult ChecksumOfBytes(HMMIO hmmio, std::int64_t nOffset, std::int64_t nSize,
                               const WorkProgress& progress) {
    CMd5 md5;
    const BlockTaker hash = [&md5](const ByteBlock& block) {
        md5.Add(block.bytes.data(), block.nBytes);
    };
    if (CString strFailure = PassBlocks(hmmio, nOffset, nSize, 1, {hash}, {}, progress);
        !strFailure.empty()) {
        return {std::nullopt, strFailure};
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
