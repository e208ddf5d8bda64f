#include "cli/FileEdit.h"

#include <algorithm>
#include <cstdio>

#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/QuotedText.h"
#include "cli/TerminalText.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/DataChunkModel.h"
#include "core/edit/DerivedValues.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/ValueRule.h"
#include "core/file/SaveSource.h"

namespace {

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

CFileEdit::CFileEdit(CLoadedFile& file, const EditRules& rules)
    : m_file(file), m_rules(rules), m_disagreementsBefore(DerivedDisagreements(file.Root())) {
    for (const CChunk* pChunk : m_file.Chunks()) {
        m_chunksBefore.push_back(pChunk);
        if (!pChunk->IsKindOf(RUNTIME_CLASS(CdataChunkModel)) && pChunk->Data()) {
            m_payloadBefore.emplace(pChunk, pChunk->PayloadText());
        }
    }
}

std::size_t CFileEdit::IndexOf(const CChunk* pChunk) const {
    const auto chunks = m_file.Chunks();
    return static_cast<std::size_t>(std::find(chunks.begin(), chunks.end(), pChunk) -
                                    chunks.begin());
}

CString CFileEdit::Store(const std::vector<Assignment>& assignments) {
    for (const Assignment& assignment : assignments) {
        if (CString strProblem = StoreOne(assignment); !strProblem.empty()) {
            return strProblem;
        }
    }
    for (CString& strDisagreement :
         DisagreementsLeft(m_disagreementsBefore, DerivedDisagreements(m_file.Root()))) {
        if (m_rules.bStrict) {
            return strDisagreement + " (--strict)";
        }
        m_notes.push_back(std::move(strDisagreement));
    }
    return CString();
}

CString CFileEdit::StoreMarkers(const std::vector<Marker>& markers) {
    return SetMarkers(m_file.Root(), markers);
}

bool CFileEdit::HoldsAlready(const Assignment& assignment) {
    if (!m_valuesNow) {
        m_valuesNow.emplace();
        for (auto& [strName, strValue] : EditableValuesOf(m_file.Root())) {
            m_valuesNow->try_emplace(std::move(strName), std::move(strValue));
        }
    }
    const auto it = m_valuesNow->find(assignment.strName);
    return it != m_valuesNow->end() && it->second == assignment.strValue;
}

void CFileEdit::RememberValueBefore(const CString& strName) {
    if (m_namesBefore.insert(strName).second) {
        m_valuesBefore.emplace_back(strName, MetadataValue(m_file.Root(), strName).value_or(""));
    }
}

CString CFileEdit::StoreOne(const Assignment& assignment) {
    const bool bNamedValue = IsMetadataName(assignment.strName);
    // A value as it is changes no byte (SetMetadataValue would find so too, reading it again).
    if (bNamedValue && HoldsAlready(assignment)) {
        return CString();
    }
    m_valuesNow.reset();
    if (bNamedValue) {
        RememberValueBefore(assignment.strName);
    }
    const ValueAnswer answer =
        SetValue(m_file.Root(), assignment.strName, assignment.strValue, m_rules,
                 [this](const CChunk& chunk, const FieldTable& table) {
                     m_before.try_emplace(&chunk, FieldsOf(chunk, table));
                 });
    if (answer.verdict == ValueVerdict::Refused) {
        return answer.reason;
    }
    if (answer.verdict == ValueVerdict::Cut) {
        m_notes.push_back(answer.reason);
    }
    return CString();
}

std::vector<FieldChange> CFileEdit::Changes() const {
    std::vector<FieldChange> changes;
    for (const auto& [pChunk, before] : m_before) {
        for (const FieldValue& field : before) {
            const std::optional<CString> after = ReadFieldText(*pChunk, *field.pField);
            if (after != field.text) {
                changes.push_back({IndexOf(pChunk), pChunk->m_strName, field.pField->name,
                                   field.text.value_or(""), after.value_or("")});
            }
        }
    }
    std::stable_sort(
        changes.begin(), changes.end(),
        [](const FieldChange& a, const FieldChange& b) { return a.nChunk < b.nChunk; });
    return changes;
}

std::vector<ValueChange> CFileEdit::ValueChanges() const {
    std::vector<ValueChange> changes;
    for (const auto& [strName, strBefore] : m_valuesBefore) {
        const CString strAfter = MetadataValue(m_file.Root(), strName).value_or("");
        if (strAfter != strBefore) {
            changes.push_back({strName, strBefore, strAfter});
        }
    }
    return changes;
}

std::vector<PayloadChange> CFileEdit::ByteChanges() const {
    std::vector<PayloadChange> changes;
    for (const CChunk* pChunk : m_file.Chunks()) {
        const auto before = m_payloadBefore.find(pChunk);
        if (before == m_payloadBefore.end()) {
            continue;
        }
        std::vector<ByteRange> ranges =
            ChangedRanges(before->second, pChunk->PayloadText(), FieldTableOf(*pChunk));
        if (!ranges.empty()) {
            changes.push_back(
                {IndexOf(pChunk), pChunk->m_strName, pChunk->m_ck.dwDataOffset, std::move(ranges)});
        }
    }
    return changes;
}

std::vector<CString> CFileEdit::AddedChunks() const {
    std::vector<CString> added;
    for (const CChunk* pChunk : m_file.Chunks()) {
        if (std::find(m_chunksBefore.begin(), m_chunksBefore.end(), pChunk) ==
            m_chunksBefore.end()) {
            added.push_back("'" + IdText(pChunk->m_ck.ckid) + "' (" +
                            std::to_string(pChunk->DataSize()) + " bytes)");
        }
    }
    return added;
}

CString CFileEdit::Save(const SaveOptions& options) {
    return SaveEdited(m_file.Root(), options);
}

namespace {

// The most times an edit is applied to a file that others keep changing.
constexpr int kEditAttempts = 5;

// A whole document is named by its first characters.
CString Shortened(const CString& strText) {
    constexpr std::size_t kLongest = 60;
    return strText.size() <= kLongest
               ? strText
               : strText.substr(0, kLongest) + "... (" + std::to_string(strText.size()) + " bytes)";
}

bool ChangesAnything(const CFileEdit& edit, const std::vector<PayloadChange>& byteChanges) {
    return !byteChanges.empty() || !edit.AddedChunks().empty();
}

void PrintDryRun(const CString& strPath, const CFileEdit& edit,
                 const std::vector<PayloadChange>& byteChanges) {
    for (const CString& strAdded : edit.AddedChunks()) {
        PrintText(strPath + ": adds the chunk " + strAdded + "\n");
    }
    for (const FieldChange& change : edit.Changes()) {
        PrintText(ChangeLine(strPath, change));
    }
    for (const ValueChange& change : edit.ValueChanges()) {
        PrintText(strPath + ": " + change.strName + ": " + QuotedText(Shortened(change.strBefore)) +
                  " -> " + QuotedText(Shortened(change.strAfter)) + "\n");
    }
    for (const PayloadChange& change : byteChanges) {
        for (const ByteRange& range : change.ranges) {
            PrintText(RangeLine(strPath, change, range));
        }
    }
    if (!ChangesAnything(edit, byteChanges)) {
        PrintText(strPath + ": nothing would change\n");
    }
}

void PrintNotes(const CString& strPath, const CFileEdit& edit) {
    for (const CString& strNote : edit.Notes()) {
        ReportFileNote(strPath, strNote);
    }
}

// One load, edit and save; rChanged tells that the save failed because the file changed since
// this load.
CString EditOnce(const CString& strPath, const std::vector<Assignment>& assignments,
                 const std::vector<Marker>* pMarkers, const EditChoice& choice, bool& rChanged) {
    CLoadedFile file(strPath);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CFileEdit edit(file, choice.rules);
    CString strProblem = edit.Store(assignments);
    if (strProblem.empty() && pMarkers) {
        strProblem = edit.StoreMarkers(*pMarkers);
    }
    if (!strProblem.empty()) {
        return strProblem + "; left untouched";
    }
    PrintNotes(strPath, edit);
    const std::vector<PayloadChange> byteChanges = edit.ByteChanges();
    if (choice.bDryRun) {
        PrintDryRun(strPath, edit, byteChanges);
        return CString();
    }
    // A save of unchanged payloads could still mend the file's framing: not asked for.
    const CString strFailure =
        ChangesAnything(edit, byteChanges) ? edit.Save(choice.options) : CString();
    // Only another program's change is a reason to try again: a failed save of this one puts
    // the old bytes back, which changes the file's times but not what it holds.
    rChanged = IsChangedSinceLoad(strFailure);
    return strFailure;
}

// A file another program (another ovalis-cli among them) saved since this load is loaded again
// and the edit applied to what it holds now, so that neither edit is lost.
CString EditAgain(const CString& strPath, const std::vector<Assignment>& assignments,
                  const std::vector<Marker>* pMarkers, const EditChoice& choice) {
    CString strFailure = choice.bDryRun ? CString() : RecoverBeforeWriting(strPath);
    bool bChanged = strFailure.empty();
    for (int i = 0; i < kEditAttempts && bChanged; ++i) {
        bChanged = false;
        strFailure = EditOnce(strPath, assignments, pMarkers, choice, bChanged);
    }
    return strFailure;
}

}  // namespace

CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const EditChoice& choice) {
    return EditAgain(strPath, assignments, nullptr, choice);
}

CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const std::vector<Marker>& markers, const EditChoice& choice) {
    return EditAgain(strPath, assignments, &markers, choice);
}
