#pragma once
// The table to and from the documents ovalis-cli export writes: a CSV table (a row per file,
// "path" first, then the value columns some file holds) and the JSON document of export --json
// ({"files": [{"path", "values", "markers"}]}). Exports hold the edits not saved yet; imports
// become edits of the files listed, as one undo step.

#include <vector>

#include "table/FileListModel.h"

CString TableCsv(const FileListModel& model, const std::vector<int>& rows);
CString TableJson(const FileListModel& model, const std::vector<int>& rows);

struct ImportedEdits {
    std::vector<CellChange> changes;
    int nUnlisted = 0;  // files the document names that the table does not list
    CString strError;   // why the document cannot be read, naming the line or the file
};

// A CSV table or a JSON document, told apart by its first character.
ImportedEdits ImportedEditsOf(const FileListModel& model, const CString& strText);
