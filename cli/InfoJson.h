#pragma once
// info's JSON document, {"files": [...]}, one member per file in the order added. Member names:
// path, error (only when the file did not load), overview, chunks; each chunk: tab, id, size,
// offset and, for a chunk with a field table, fields.

#include <memory>

#include "cli/FileReport.h"

class CInfoJson {
public:
    CInfoJson();
    ~CInfoJson();
    CInfoJson(const CInfoJson&) = delete;
    CInfoJson& operator=(const CInfoJson&) = delete;

    void Add(const FileReport& report);
    // The document indented by four spaces, ended by a line break. Bytes that are not UTF-8
    // show as U+FFFD.
    CString Document() const;

private:
    struct Files;
    std::unique_ptr<Files> m_pFiles;
};
