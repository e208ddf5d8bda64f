#pragma once
// The audio checksum: the MD5 of the data chunk's payload as stored, read in passes so that a file
// of gigabytes needs no more memory than a pass.

#include <optional>

#include "core/integrity/Md5.h"
#include "core/integrity/SampleSource.h"
#include "core/integrity/WorkProgress.h"
#include "core/io/Mmio.h"

class CRiffChunkModel;

struct ChecksumResult {
    std::optional<Md5Digest> digest;
    CString strFailure;  // when there is no digest: why not
};

// The MD5 of the nSize bytes at nOffset of the open file; a file that ends sooner gives the MD5 of
// the bytes it holds, as a copy of the samples would.
ChecksumResult ChecksumOfBytes(HMMIO hmmio, std::int64_t nOffset, std::int64_t nSize,
                               const WorkProgress& progress);
// The MD5 of the loaded file's samples, read from the file it was loaded from.
ChecksumResult SampleChecksum(const SampleSource& source, const WorkProgress& progress);
ChecksumResult SampleChecksum(const CRiffChunkModel& root, const WorkProgress& progress);
