#pragma once
// The check of a file: what in its bytes other programs would refuse or misread (errors) and what
// departs from the recommendations of its chunks (warnings, notes). A file with no error is clean.

#include <vector>

#include "core/integrity/CheckProfile.h"
#include "core/integrity/WorkProgress.h"

enum class Severity { Error, Warning, Note };

struct Finding {
    Severity severity;
    CString strRule;       // the rule's id, stable across versions, for scripts
    CString strChunk;      // the chunk's id, or "RIFF" for the form
    std::int64_t nOffset;  // of the chunk's header, or of the bytes in question
    CString strSentence;
};

struct CheckReport {
    std::vector<Finding> findings;
    CString strCancelled;  // kCancelled when the user stopped the check, else empty
    bool IsClean() const;
};

// "error", "warning", "note".
CString SeverityText(Severity severity);
struct CheckOptions {
    CheckProfile profile = CheckProfile::General;
};

// Every rule of the profile on the file at strPath (an archive's profile adds its rules to the
// general ones); progress covers the reading of the samples for the MD5.
CheckReport CheckFile(const CString& strPath, const WorkProgress& progress,
                      const CheckOptions& options = {});
