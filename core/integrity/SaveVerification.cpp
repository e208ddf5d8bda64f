#include "core/integrity/SaveVerification.h"

#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/ChecksumChunk.h"

CSampleVerification::CSampleVerification(const CRiffChunkModel& root)
    : m_bVerify(ChecksumChunkOf(root) != nullptr && root.DataChunk() != nullptr) {
    if (m_bVerify) {
        m_nSize = root.SampleBytes();
        m_loaded = SampleChecksum(root, {});
    }
}

CString CSampleVerification::Verify(const CRiffChunkModel& root, HMMIO hmmio,
                                    const CString& strWritten) const {
    if (!m_bVerify) {
        return CString();
    }
    if (!m_loaded.digest) {
        return "the samples of " + root.m_strOpenedPath +
               " could not be checked: " + m_loaded.strFailure;
    }
    if (mmioFlush(hmmio, 0) != 0) {
        return "couldn't write " + strWritten + " to disk to check its samples";
    }
    const ChecksumResult written = ChecksumOfBytes(hmmio, root.SampleOffset(), m_nSize, {});
    if (!written.digest) {
        return "the samples written to " + strWritten +
               " could not be read back: " + written.strFailure;
    }
    if (*written.digest != *m_loaded.digest) {
        return "the samples written to " + strWritten + " (MD5 " + Md5Text(*written.digest) +
               ") differ from those of " + root.m_strOpenedPath + " (MD5 " +
               Md5Text(*m_loaded.digest) + "); " + root.m_strOpenedPath + " was left as it was.";
    }
    return CString();
}
