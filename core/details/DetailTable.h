#pragma once
// What Ovalis reads out of a chunk beyond its field table: named tables of rows (INFO entries,
// markers, format fields) and documents (an iXML text), shown read-only by the pages and printed
// by ovalis-cli.

#include <utility>
#include <vector>

#include "core/base/Types.h"

struct DetailTable {
    CString title;                           // "INFO entries", "Markers"
    std::vector<CString> columns;            // empty for a document
    std::vector<std::vector<CString>> rows;  // each as wide as columns
    CString text;                            // a document, or a note on the table
};

// The tables as a list, moved into it: a list in braces copies each table, rows and all.
template <typename... Tables>
std::vector<DetailTable> MovedTables(Tables&&... tables) {
    std::vector<DetailTable> list;
    list.reserve(sizeof...(tables));
    (list.push_back(std::forward<Tables>(tables)), ...);
    return list;
}

// The table as aligned columns of text under its title, for a page or a terminal.
CString DetailTableText(const DetailTable& table);
