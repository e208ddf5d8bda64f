#pragma once
// What the window shows of one file, as data: the chunk list, the overview text and the fields
// of every chunk with a field table. info prints it as text or JSON.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/details/DetailTable.h"
#include "core/fields/FieldLayout.h"

class CChunk;
class CLoadedFile;

struct FieldValue {
    const FieldLayout* pField;
    std::optional<CString> text;  // nothing when the chunk's data does not hold the field
};

struct ChunkReport {
    CString strTab;            // the tab's name
    CString strId;             // as stored, see IdText
    std::int64_t llSize;       // as declared, or the real size a ds64 chunk or the file gives
    std::int64_t llOffset;     // of the chunk's data
    const FieldTable* pTable;  // null for a chunk without fields
    std::vector<FieldValue> fields;
    std::vector<DetailTable> details;  // what the chunk's pages show beyond its fields
};

struct FileReport {
    CString strPath;
    CString strFailure;  // empty when the file loaded
    CString strForm;     // "RIFF", "RF64" or "BW64"
    CString strNote;     // what a load that succeeded left out, or empty
    CString strOverview;
    std::vector<std::pair<CString, CString>> details;  // the File details, name and value
};

struct AudioFacts;

// The file's report; a listing takes the chunks' entries one at a time.
FileReport FileSummaryOf(const CLoadedFile& file);
// The chunk's entry in the list: tab, id, size and offset, without fields or details.
ChunkReport ChunkEntryOf(const CChunk& chunk);
// The entry with the chunk's fields and details.
ChunkReport ChunkReportOf(const CChunk& chunk, const AudioFacts& facts);
// The same for a chunk with fields or details; nothing for one with neither, as most are.
std::optional<ChunkReport> FieldsAndDetailsOf(const CChunk& chunk, const AudioFacts& facts);
// The chunk's fields as shown, in the table's order.
std::vector<FieldValue> FieldsOf(const CChunk& chunk, const FieldTable& table);
