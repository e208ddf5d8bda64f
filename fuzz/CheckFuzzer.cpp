// Check fuzz target: the input as a file, checked by every rule of every profile; the file is also
// loaded and its samples' checksum, loudness and levels taken in one read, with the levels'
// findings and the peak envelope chunk's envelope, as the window's Check, measurements and data
// page do.

#include <cstddef>
#include <cstdint>

#include "FuzzWorkspace.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/PeakEnvelopeStore.h"
#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/LevelFindings.h"
#include "core/integrity/PeakEnvelopeLevels.h"
#include "core/integrity/SamplePass.h"

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
        const SamplePassResult all = ReadSamplesOnce(
            SampleSourceOf(root), {.bChecksum = true, .bLoudness = true, .bLevels = true}, {});
        if (all.levels.report) {
            LevelFindings(*all.levels.report);
            PeakEnvelopePayload(*all.levels.report, "");
        }
        if (const CChunk* pEnvelope = PeakEnvelopeChunkOf(root)) {
            EnvelopeOfChunk(*pEnvelope, 4096);
        }
    }
    return 0;
}
