#include "cli/FileEdit.h"

#include <iostream>

#include "cli/Diagnostics.h"
#include "cli/FieldBox.h"
#include "cli/LoadedFile.h"
#include "cli/QuotedText.h"
#include "pages/ChunkPage.h"

namespace {

CString PageName(PageKind page) {
    switch (page) {
        case PageKind::Pcm:
            return "PCM 'fmt '";
        case PageKind::Mpeg:
            return "MPEG 'fmt '";
        default:
            return CString("'") + ChunkIdOf(page) + "'";
    }
}

// "no PCM 'fmt ' or MPEG 'fmt ' chunk for nChannels".
CString NoChunkFor(const CString& strName) {
    CString strPages;
    for (const FieldEntry& entry : CFieldCatalog::Instance().Fields()) {
        if (entry.strName == strName) {
            strPages += (strPages.empty() ? "" : " or ") + PageName(entry.page);
        }
    }
    return "no " + strPages + " chunk for " + strName;
}

CString ChangeLine(const CString& strPath, const FieldChange& change) {
    return strPath + ": " + change.strTab + " (chunk " + std::to_string(change.nChunk + 1) + ") " +
           change.strField + ": " + QuotedText(change.strBefore) + " -> " +
           QuotedText(change.strAfter) + "\n";
}

}  // namespace

CString CFileEdit::Type(const std::vector<Assignment>& assignments) {
    for (const Assignment& assignment : assignments) {
        if (CString strProblem = TypeOne(assignment); !strProblem.empty()) {
            return strProblem;
        }
    }
    return CString();
}

CString CFileEdit::TypeOne(const Assignment& assignment) {
    const auto& chunks = m_file.Chunks();
    std::size_t nTyped = 0;
    CString strTooShort;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        const ShownChunk& chunk = chunks[i];
        const FieldEntry* pEntry =
            chunk.page ? CFieldCatalog::Instance().Find(*chunk.page, assignment.strName) : nullptr;
        if (!pEntry || !chunk.pPage) {
            continue;
        }
        CFieldBox box(*pEntry, *chunk.pPage);
        if (!box.IsHeld()) {
            strTooShort = "the " + chunk.pChunk->m_strName + " chunk (chunk " +
                          std::to_string(i + 1) + ") is too short to hold " + assignment.strName;
            continue;
        }
        m_before.try_emplace(i, FieldsOf(*chunk.page, *chunk.pPage));
        box.Type(assignment.strValue);
        ++nTyped;
    }
    if (nTyped > 0) {
        return CString();
    }
    return strTooShort.empty() ? NoChunkFor(assignment.strName) : strTooShort;
}

std::vector<FieldChange> CFileEdit::DryRun() {
    std::vector<FieldChange> changes;
    for (const auto& [nChunk, before] : m_before) {
        const ShownChunk& chunk = m_file.Chunks()[nChunk];
        chunk.pPage->UpdateChunk();
        // Shown afresh from the chunk's data, which is what the save would write.
        chunk.pPage->DestroyWindow();
        CChunkPage* pPage = chunk.pChunk->CreatePage(m_file.Host());
        const std::vector<FieldValue> after = FieldsOf(*chunk.page, *pPage);
        for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
            if (before[i].text != after[i].text) {
                changes.push_back({nChunk, chunk.pChunk->m_strName, before[i].pEntry->strName,
                                   before[i].text.value_or(""), after[i].text.value_or("")});
            }
        }
    }
    return changes;
}

CString CFileEdit::Save() {
    TakeMessages();
    const BOOL bSaved = m_file.Root().Save(m_file.Root().m_strOpenedPath);
    const CString strMessages = TakeMessages();
    if (!bSaved) {
        return "not saved: " + (strMessages.empty() ? CString("the save failed") : strMessages);
    }
    return strMessages.empty() ? CString() : "saved, but the page said: " + strMessages;
}

CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments, bool bDryRun) {
    CLoadedFile file(strPath);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    CFileEdit edit(file);
    if (CString strProblem = edit.Type(assignments); !strProblem.empty()) {
        return strProblem + "; left untouched";
    }
    if (!bDryRun) {
        return edit.Save();
    }
    const std::vector<FieldChange> changes = edit.DryRun();
    for (const FieldChange& change : changes) {
        std::cout << ChangeLine(strPath, change);
    }
    if (changes.empty()) {
        std::cout << strPath << ": nothing would change\n";
    }
    const CString strMessages = TakeMessages();
    return strMessages.empty() ? CString() : "the page said: " + strMessages;
}
