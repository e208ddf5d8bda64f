#pragma once
// Edits of one file as a user makes them: each value typed into its box on the page, then the
// file saved over itself through the window's save. A dry run lets the pages store the values
// and shows them again, as a reload of the saved file would, and writes nothing.

#include <map>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/FileReport.h"

class CLoadedFile;

struct FieldChange {
    std::size_t nChunk;  // from 0, in file order
    CString strTab;
    CString strField;
    CString strBefore;
    CString strAfter;
};

class CFileEdit {
public:
    explicit CFileEdit(CLoadedFile& file) : m_file(file) {}

    // Types every value into the box of its field on each page that shows the field. Empty when
    // each found a box; otherwise why not, and then nothing is to be saved.
    CString Type(const std::vector<Assignment>& assignments);
    // What the pages show once they stored the values; nothing is written.
    std::vector<FieldChange> DryRun();
    // Saves the file over itself. Empty on success, otherwise what the save said.
    CString Save();

private:
    CString TypeOne(const Assignment& assignment);

    CLoadedFile& m_file;
    // The fields of each page typed into, as they were shown before, by chunk index.
    std::map<std::size_t, std::vector<FieldValue>> m_before;
};

// Applies the edits to the file at strPath, printing what would change on a dry run. Empty on
// success, otherwise the reason the file failed.
CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments, bool bDryRun);
