#include "cli/FileEdit.h"

#include <cstdio>

#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/QuotedText.h"
#include "cli/TerminalText.h"
#include "core/fields/ChunkFields.h"
#include "core/fields/FieldCodec.h"

namespace {

// "PCM 'fmt '" for the table titled "fmt (PCM)", "'bext'" for "bext".
CString ChunkKindOf(const FieldTable& table) {
    const CString strTitle = table.title;
    const CString strChunk = CString("'") + table.chunkId + "'";
    const std::size_t nOpen = strTitle.find('(');
    if (nOpen == CString::npos || strTitle.back() != ')') {
        return strChunk;
    }
    return strTitle.substr(nOpen + 1, strTitle.size() - nOpen - 2) + " " + strChunk;
}

// "no PCM 'fmt ' or MPEG 'fmt ' chunk for nChannels".
CString NoChunkFor(const CString& strName) {
    CString strKinds;
    for (const FieldTable* pTable : FieldTables()) {
        if (pTable->Find(strName)) {
            strKinds += (strKinds.empty() ? "" : " or ") + ChunkKindOf(*pTable);
        }
    }
    return "no " + strKinds + " chunk for " + strName;
}

CString TooShortFor(const CChunk& chunk, std::size_t nChunk, const CString& strName) {
    return "the " + chunk.m_strName + " chunk (chunk " + std::to_string(nChunk + 1) +
           ") is too short to hold " + strName;
}

CString PayloadOf(const CChunk& chunk) {
    return chunk.Data() ? CString(chunk.Data(), chunk.Data() + chunk.DataSize()) : CString();
}

CString Hex(DWORD dwValue) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(dwValue));
    return text;
}

// "bext (chunk 1) Originator: bytes 256-275 (file 0x1A4-0x1B7)", both ends included.
CString RangeLine(const CString& strPath, const PayloadChange& change, const ByteRange& range) {
    const DWORD dwLast = range.dwEnd - 1;
    return strPath + ": " + change.strTab + " (chunk " + std::to_string(change.nChunk + 1) + ") " +
           range.strField + ": bytes " + std::to_string(range.dwBegin) + "-" +
           std::to_string(dwLast) + " (file " + Hex(change.dwDataOffset + range.dwBegin) + "-" +
           Hex(change.dwDataOffset + dwLast) + ")\n";
}

CString ChangeLine(const CString& strPath, const FieldChange& change) {
    return strPath + ": " + change.strTab + " (chunk " + std::to_string(change.nChunk + 1) + ") " +
           change.strField + ": " + QuotedText(change.strBefore) + " -> " +
           QuotedText(change.strAfter) + "\n";
}

}  // namespace

CString CFileEdit::Store(const std::vector<Assignment>& assignments) {
    for (const Assignment& assignment : assignments) {
        if (CString strProblem = StoreOne(assignment); !strProblem.empty()) {
            return strProblem;
        }
    }
    return CString();
}

CString CFileEdit::StoreOne(const Assignment& assignment) {
    const auto& chunks = m_file.Chunks();
    std::size_t nStored = 0;
    CString strTooShort;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        CChunk& chunk = *chunks[i];
        const FieldTable* pTable = FieldTableOf(chunk);
        const FieldLayout* pField = pTable ? pTable->Find(assignment.strName) : nullptr;
        if (!pField) {
            continue;
        }
        if (!IsFieldHeld(chunk, *pField)) {
            strTooShort = TooShortFor(chunk, i, assignment.strName);
            continue;
        }
        m_before.try_emplace(i, FieldsOf(chunk, *pTable));
        m_payloadBefore.try_emplace(i, PayloadOf(chunk));
        const CString strRefused = WriteFieldText(chunk, *pField, assignment.strValue);
        if (!strRefused.empty()) {
            return assignment.strName + "=" + assignment.strValue + ": " + strRefused;
        }
        ++nStored;
    }
    if (nStored > 0) {
        return CString();
    }
    return strTooShort.empty() ? NoChunkFor(assignment.strName) : strTooShort;
}

std::vector<FieldChange> CFileEdit::Changes() const {
    std::vector<FieldChange> changes;
    for (const auto& [nChunk, before] : m_before) {
        const CChunk& chunk = *m_file.Chunks()[nChunk];
        for (const FieldValue& field : before) {
            const std::optional<CString> after = ReadFieldText(chunk, *field.pField);
            if (after != field.text) {
                changes.push_back({nChunk, chunk.m_strName, field.pField->name,
                                   field.text.value_or(""), after.value_or("")});
            }
        }
    }
    return changes;
}

std::vector<PayloadChange> CFileEdit::ByteChanges() const {
    std::vector<PayloadChange> changes;
    for (const auto& [nChunk, strBefore] : m_payloadBefore) {
        const CChunk& chunk = *m_file.Chunks()[nChunk];
        std::vector<ByteRange> ranges =
            ChangedRanges(strBefore, PayloadOf(chunk), FieldTableOf(chunk));
        if (!ranges.empty()) {
            changes.push_back(
                {nChunk, chunk.m_strName, chunk.m_ck.dwDataOffset, std::move(ranges)});
        }
    }
    return changes;
}

CString CFileEdit::Save(const SaveOptions& options) {
    return SaveEdited(m_file.Root(), options);
}

namespace {

// The most times an edit is applied to a file that others keep changing.
constexpr int kEditAttempts = 5;

void PrintDryRun(const CString& strPath, const CFileEdit& edit,
                 const std::vector<PayloadChange>& byteChanges) {
    for (const FieldChange& change : edit.Changes()) {
        PrintText(ChangeLine(strPath, change));
    }
    for (const PayloadChange& change : byteChanges) {
        for (const ByteRange& range : change.ranges) {
            PrintText(RangeLine(strPath, change, range));
        }
    }
    if (byteChanges.empty()) {
        PrintText(strPath + ": nothing would change\n");
    }
}

// One load, edit and save; rChanged tells that the save failed because the file changed since
// this load.
CString EditOnce(const CString& strPath, const std::vector<Assignment>& assignments,
                 const EditChoice& choice, bool& rChanged) {
    CLoadedFile file(strPath);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CFileEdit edit(file);
    if (CString strProblem = edit.Store(assignments); !strProblem.empty()) {
        return strProblem + "; left untouched";
    }
    const std::vector<PayloadChange> byteChanges = edit.ByteChanges();
    if (choice.bDryRun) {
        PrintDryRun(strPath, edit, byteChanges);
        return CString();
    }
    // A save of unchanged payloads could still mend the file's framing: not asked for.
    const CString strFailure = byteChanges.empty() ? CString() : edit.Save(choice.options);
    rChanged = !strFailure.empty() && FileIdentityOf(strPath) != file.Root().LoadedFile();
    return strFailure;
}

}  // namespace

// A file another program (another ovalis-cli among them) saved since this load is loaded again
// and the edit applied to what it holds now, so that neither edit is lost.
CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const EditChoice& choice) {
    CString strFailure;
    bool bChanged = true;
    for (int i = 0; i < kEditAttempts && bChanged; ++i) {
        bChanged = false;
        strFailure = EditOnce(strPath, assignments, choice, bChanged);
    }
    return strFailure;
}
