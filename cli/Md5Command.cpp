#include "cli/Md5Command.h"

#include <iostream>

#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/Jobs.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/SampleChecksum.h"

namespace {

CString Verify(const CLoadedFile& file, const Md5Digest& digest) {
    const ChecksumState state = StateOf(StoredChecksum(file.Root()), digest);
    PrintText(file.Path() + ": " + StateText(state) + "\n");
    if (state == ChecksumState::Matches) {
        return CString();
    }
    return state == ChecksumState::Differs ? "the samples' MD5 differs from the stored checksum"
                                           : CString("no checksum stored to verify");
}

CString Embed(CLoadedFile& file, const Md5Digest& digest, const SaveOptions& options) {
    CRiffChunkModel& root = file.Root();
    if (CString strRefused = EmbedChecksum(root, digest); !strRefused.empty()) {
        return strRefused + "; left untouched";
    }
    if (CString strFailure = SaveEdited(root, options); !strFailure.empty()) {
        return strFailure;
    }
    PrintText(Md5Text(digest) + "  " + file.Path() + " (embedded)\n");
    return CString();
}

CString Md5File(const CString& strPath, const Invocation& invocation) {
    CLoadedFile file(strPath, invocation.bEmbed ? FileUse::Write : FileUse::Read);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    const ChecksumResult result = SampleChecksum(file.Root(), JobProgress());
    if (!result.digest) {
        return result.strFailure;
    }
    if (invocation.bVerify) {
        return Verify(file, *result.digest);
    }
    if (invocation.bEmbed) {
        return Embed(file, *result.digest, SaveOptionsOf(invocation));
    }
    PrintText(Md5Text(*result.digest) + "  " + strPath + "\n");
    return CString();
}

}  // namespace

int RunMd5(const Invocation& invocation) {
    CString strWhyNot;
    const std::optional<int> nJobs = JobCount(invocation, &strWhyNot);
    if (!nJobs) {
        return ReportUsageError(strWhyNot);
    }
    // Files saved one at a time: a file named twice is never saved by two jobs at once.
    const int nExit = RunJobs(
        invocation.files,
        [&invocation](std::size_t nFile) { return Md5File(invocation.files[nFile], invocation); },
        invocation.bEmbed ? 1 : *nJobs);
    std::cout << std::flush;
    return nExit;
}
