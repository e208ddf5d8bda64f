#pragma once
// info's JSON document, {"files": [...]}, one member per file in the order added. Member names:
// path, error (only when the file did not load), overview, chunks; each chunk: tab, id, size,
// offset and, for a chunk with a field table, fields.

#include <ostream>

#include "cli/FileReport.h"

class CLoadedFile;

// Writes each file's member as it is added, so that no batch holds the whole document.
class CInfoJson {
public:
    explicit CInfoJson(std::ostream& out);

    // The file's member, indented by four spaces a level as in the whole document, written a
    // chunk at a time. Bytes that are not UTF-8 show as U+FFFD.
    void Add(const CLoadedFile& file);
    // The document's end, then a line break.
    void Finish();

private:
    std::ostream& m_out;
    bool m_bAny = false;
};

// The file's member alone, on one line of standard output, flushed (--jsonl).
void PrintInfoJsonLine(const CLoadedFile& file);
