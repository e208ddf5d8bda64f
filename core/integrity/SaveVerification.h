#pragma once
// A save of a file that keeps an audio checksum reads back the samples it wrote and compares
// their MD5 with that of the loaded file's samples before the new file takes the old one's place.

#include <optional>

#include "core/integrity/SampleChecksum.h"

class CSampleVerification {
public:
    // Takes the MD5 of the loaded file's samples when the tree has an "MD5 " chunk; call it
    // before the write, while the data chunk still gives the loaded file's offset.
    explicit CSampleVerification(const CRiffChunkModel& root);

    // After the write into hmmio: empty when nothing is to be verified or the samples read back
    // have the loaded file's MD5; else why the new file must not replace the old one.
    CString Verify(const CRiffChunkModel& root, HMMIO hmmio, const CString& strWritten) const;

private:
    bool m_bVerify = false;
    std::int64_t m_nSize = 0;
    ChecksumResult m_loaded;
};
