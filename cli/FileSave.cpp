#include "cli/FileSave.h"

#include "cli/Diagnostics.h"
#include "core/file/MetadataSave.h"

SaveOptions SaveOptionsOf(const Invocation& invocation) {
    return {.bMayTakeOver = invocation.bForceOwner, .bWholeFile = invocation.bRewrite};
}

CString SaveEdited(CRiffChunkModel& root, const SaveOptions& options) {
    const CString strFailure = SaveMetadata(root, options);
    if (strFailure.empty()) {
        return CString();
    }
    const bool bOwner = strFailure.find("would belong to user") != CString::npos;
    return "not saved: " + OneLine(strFailure) + (bOwner ? " (--force-owner saves it anyway)" : "");
}
