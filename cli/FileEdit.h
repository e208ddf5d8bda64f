#pragma once
// Edits of one file as a user makes them on the pages: each value stored through its field's
// codec in every chunk that has the field, then the file saved over itself. A dry run shows the
// fields whose shown text the stored values changed and every byte range they changed, and
// writes nothing; an edit that changes no byte writes nothing either.

#include <map>
#include <vector>

#include "cli/ByteChanges.h"
#include "cli/CommandLine.h"
#include "cli/FileReport.h"
#include "core/chunks/SaveOptions.h"

class CLoadedFile;

struct FieldChange {
    std::size_t nChunk;  // from 0, in file order
    CString strTab;
    CString strField;
    CString strBefore;
    CString strAfter;
};

struct PayloadChange {
    std::size_t nChunk;  // from 0, in file order
    CString strTab;
    DWORD dwDataOffset;  // in the file
    std::vector<ByteRange> ranges;
};

class CFileEdit {
public:
    explicit CFileEdit(CLoadedFile& file) : m_file(file) {}

    // Stores every value in its field of each chunk that has the field, in memory. Empty when
    // each found a field to hold it; otherwise why not, and then nothing is to be saved.
    CString Store(const std::vector<Assignment>& assignments);
    // The fields of the chunks stored into whose shown text changed.
    std::vector<FieldChange> Changes() const;
    // The byte ranges of the chunks stored into that the stored values changed, in file order.
    std::vector<PayloadChange> ByteChanges() const;
    // Saves the file over itself. Empty on success, otherwise why not.
    CString Save(const SaveOptions& options);

private:
    CString StoreOne(const Assignment& assignment);

    CLoadedFile& m_file;
    // The fields of each chunk stored into, as they were shown before, by chunk index.
    std::map<std::size_t, std::vector<FieldValue>> m_before;
    // The payload bytes of each chunk stored into, as they were before, by chunk index.
    std::map<std::size_t, CString> m_payloadBefore;
};

struct EditChoice {
    bool bDryRun = false;
    SaveOptions options;
};

// Applies the edits to the file at strPath, printing what would change on a dry run. Empty on
// success, otherwise the reason the file failed.
CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const EditChoice& choice);
