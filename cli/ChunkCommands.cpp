#include "cli/ChunkCommands.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/IxmlFields.h"
#include "core/fields/BextFields.h"

namespace {

// The chunks add makes: the id as given, the chunk's id, its first payload and its place.
struct NewKind {
    const char* name;
    const char* id;
    CString (*payload)();
    ChunkPlace place;
};

const NewKind kNewKinds[] = {
    {"bext", "bext", [] { return CString(kBextFixedSize, '\0'); }, ChunkPlace::BeforeData},
    {"iXML", "iXML", [] { return NewIxmlDocument(); }, ChunkPlace::BeforeData},
    {"INFO", "LIST", [] { return CString("INFO"); }, ChunkPlace::Last},
};

// The chunks the samples cannot do without.
constexpr const char* kKept[] = {"fmt ", "data", "ds64"};

const NewKind* FindNewKind(const CString& strName) {
    for (const NewKind& kind : kNewKinds) {
        if (strName == kind.name) {
            return &kind;
        }
    }
    return nullptr;
}

CString Saved(CLoadedFile& file, const Invocation& invocation, const CString& strDone) {
    if (CString strFailure = SaveEdited(file.Root(), SaveOptionsOf(invocation));
        !strFailure.empty()) {
        return strFailure;
    }
    PrintText(file.Path() + ": " + strDone + "\n");
    return CString();
}

CString AddTo(const CString& strPath, const Invocation& invocation, const NewKind& kind) {
    CLoadedFile file(strPath, FileUse::Write);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CRiffChunkModel& root = file.Root();
    const bool bHas = kind.id == CString("LIST") ? FindList(root, "INFO") != nullptr
                                                 : FindChunk(root, kind.id) != nullptr;
    if (bHas) {
        PrintText(strPath + ": has a " + kind.name + " chunk already; left as it is\n");
        return CString();
    }
    if (!AddChunk(root, kind.id, kind.payload(), kind.place)) {
        return CString("couldn't make a ") + kind.name + " chunk; left untouched";
    }
    return Saved(file, invocation, CString("added a ") + kind.name + " chunk");
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
    const NewKind* pKind = FindNewKind(invocation.strKind);
    if (!pKind) {
        return ReportUsageError("add makes bext, iXML or INFO chunks, not '" + invocation.strKind +
                                "'");
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
