#pragma once
// What the window shows of one file, as data: the chunk list, the overview text and the fields
// of every field page. info prints it as text or JSON.

#include <optional>
#include <vector>

#include "cli/FieldCatalog.h"

class CLoadedFile;

struct FieldValue {
    const FieldEntry* pEntry;
    std::optional<CString> text;  // nothing when the chunk's data does not hold the field
};

struct ChunkReport {
    CString strTab;  // the tab's name
    CString strId;   // as stored, see IdText
    DWORD dwSize;    // as declared
    DWORD dwOffset;  // of the chunk's data
    std::optional<PageKind> page;
    std::vector<FieldValue> fields;
};

struct FileReport {
    CString strPath;
    CString strFailure;  // empty when the file loaded
    CString strOverview;
    std::vector<ChunkReport> chunks;
};

FileReport ReportOf(CLoadedFile& file);
// The fields of one field page, in the page's order.
std::vector<FieldValue> FieldsOf(PageKind page, CChunkPage& pageWindow);
