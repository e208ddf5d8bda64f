#pragma once
// One file of the table: its tree as loaded and edited since, what a cell shows of it, the
// edits made since the load (in order, as ovalis-cli set would take them), and the outcomes of
// its check and its save.

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "core/edit/MetadataValues.h"

using CellEdit = std::pair<CString, CString>;  // the value's name and the text typed

struct TableFile {
    CString strPath;
    std::unique_ptr<CRiffChunkModel> pRoot;  // null when the load failed or a worker holds it
    CString strFailure;                      // why the load failed, or empty
    CString strForm;
    CString strFormat;
    CString strDuration;
    std::map<CString, CString> values;  // as shown
    std::vector<CellEdit> edits;
    bool bMd5Stored = false;  // the file holds an MD5 chunk
    CString strMd5;           // the stored MD5 against the samples' after a check, else empty
    CString strCheck;         // "clean", "2 errors, no warnings, 1 note", or empty before a check
    CString strCheckDetail;   // the findings, one a line
    bool bCheckFailed = false;
    CString strResult;  // of the last save
    bool bResultFailed = false;
    bool bBusy = false;  // a worker holds the tree

    bool IsEdited() const { return !edits.empty(); }
    bool IsEdited(const CString& strName) const {
        return std::any_of(edits.begin(), edits.end(),
                           [&strName](const CellEdit& edit) { return edit.first == strName; });
    }
};

// Loads the file at strPath (noting, never applying, the journal of an interrupted save beside
// it); safe on any thread.
std::unique_ptr<TableFile> LoadTableFile(const CString& strPath);
// Loads the file again and makes its edits anew: an edit taken back leaves the bytes as if it
// had never been made. Returns why an edit no longer applies, or empty.
CString ReloadWithEdits(TableFile& file);
// Makes what the file shows follow its tree.
void RefreshShown(TableFile& file);
