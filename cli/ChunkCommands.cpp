#include "cli/ChunkCommands.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/edit/ChunkInsert.h"
#include "core/kinds/ChunkKind.h"

namespace {

// The chunks the samples cannot do without.
constexpr const char* kKept[] = {"fmt ", "data", "ds64"};

// The kind a user adds by the name add takes; null for none.
const ChunkKind* AddableKindNamed(const CString& strName) {
    for (const ChunkKind* pKind : AddableKinds()) {
        if (strName == pKind->newChunk->name) {
            return pKind;
        }
    }
    return nullptr;
}

// "bext, INFO, iXML or cue": the names add takes.
CString AddableNames() {
    const std::vector<const ChunkKind*> kinds = AddableKinds();
    CString strNames;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        strNames += (i == 0 ? "" : i + 1 == kinds.size() ? " or " : ", ");
        strNames += kinds[i]->newChunk->name;
    }
    return strNames;
}

CString Saved(CLoadedFile& file, const Invocation& invocation, const CString& strDone) {
    if (CString strFailure = SaveEdited(file.Root(), SaveOptionsOf(invocation));
        !strFailure.empty()) {
        return strFailure;
    }
    PrintText(file.Path() + ": " + strDone + "\n");
    return CString();
}

CString AddTo(const CString& strPath, const Invocation& invocation, const ChunkKind& kind) {
    CLoadedFile file(strPath, FileUse::Write);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CRiffChunkModel& root = file.Root();
    const CString strName = kind.newChunk->name;
    if (HasChunkOfKind(root, kind)) {
        PrintText(strPath + ": has a " + strName + " chunk already; left as it is\n");
        return CString();
    }
    if (!AddChunkOfKind(root, kind)) {
        return "couldn't make a " + strName + " chunk; left untouched";
    }
    return Saved(file, invocation, "added a " + strName + " chunk");
}

// The chunk the name picks: INFO and adtl pick LIST chunks of that type, "cue" the cue chunk.
CChunk* ChunkNamed(const CRiffChunkModel& root, const CString& strName) {
    if (strName == "INFO" || strName == "adtl") {
        return FindList(root, strName.c_str());
    }
    return FindChunk(root, strName == "cue" ? CString("cue ") : strName);
}

CString RemoveFrom(const CString& strPath, const Invocation& invocation) {
    CLoadedFile file(strPath, FileUse::Write);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CChunk* pChunk = ChunkNamed(file.Root(), invocation.strKind);
    if (!pChunk) {
        PrintText(strPath + ": has no " + invocation.strKind + " chunk; left as it is\n");
        return CString();
    }
    RemoveChunk(file.Root(), pChunk, invocation.bFiller);
    return Saved(file, invocation,
                 "removed the " + invocation.strKind + " chunk" +
                     (invocation.bFiller ? ", a JUNK chunk in its place" : ""));
}

}  // namespace

int RunAdd(const Invocation& invocation) {
    const ChunkKind* pKind = AddableKindNamed(invocation.strKind);
    if (!pKind) {
        return ReportUsageError("add makes " + AddableNames() + " chunks, not '" +
                                invocation.strKind + "'");
    }
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        return AddTo(strPath, invocation, *pKind);
    });
    std::cout << std::flush;
    return nExit;
}

int RunRemove(const Invocation& invocation) {
    const CString& strKind = invocation.strKind;
    for (const char* pKept : kKept) {
        if (strKind == pKept || strKind + " " == pKept) {
            return ReportUsageError("remove never takes the " + strKind +
                                    " chunk: the samples need it");
        }
    }
    if (strKind.size() != 4 && strKind != "cue") {
        return ReportUsageError("remove takes a chunk id of four characters, INFO, adtl or cue");
    }
    const int nExit = RunBatch(
        invocation.files, [&](const CString& strPath) { return RemoveFrom(strPath, invocation); });
    std::cout << std::flush;
    return nExit;
}
