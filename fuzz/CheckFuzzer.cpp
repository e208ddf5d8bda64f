// Check fuzz target: the input as a file, checked by every rule of every profile; the file is also
// loaded and its samples' checksum and loudness taken, as the window's Check and measurements do.

#include <cstddef>
#include <cstdint>

#include "FuzzWorkspace.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/LoudnessMeter.h"
#include "core/integrity/SampleChecksum.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string& strPath = FuzzWorkspace::Get().WriteInput(pData, nSize);
    for (const CheckProfileName& profile : CheckProfiles()) {
        const CheckReport report = CheckFile(strPath, {}, {profile.profile});
        for (const Finding& finding : report.findings) {
            SeverityText(finding.severity);
        }
    }
    CRiffChunkModel root;
    if (root.Load(strPath)) {
        const ChecksumResult checksum = SampleChecksum(root, {});
        if (checksum.digest) {
            StateOf(StoredChecksum(root), *checksum.digest);
        }
        MeasureLoudness(root, {});
    }
    return 0;
}
