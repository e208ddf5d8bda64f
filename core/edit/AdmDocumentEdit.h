#pragma once
// The ADM document of a file replaced as a whole: in its axml chunk, or compressed again into its
// bxml chunk; a file with neither gets an axml chunk at its end when adding is allowed.

#include <optional>

#include "core/chunks/RiffChunkModel.h"

// The document the file's axml or bxml chunk holds; nothing when it has neither or it cannot
// be read.
std::optional<CString> AdmDocumentOf(const CRiffChunkModel& root);
// Empty when the tree holds the document now; else why not (a document that is not ADM, no
// chunk for it without bAdd).
CString SetAdmDocument(CRiffChunkModel& root, const CString& strDocument, bool bAdd);
