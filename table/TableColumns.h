#pragma once
// The columns the table can show: what a file is (name, folder, form, format, duration), every
// value the edit layer sets by name (the fields of the kinds batch edits name, the time
// reference, UMID, INFO and iXML), the state of
// the samples' stored MD5, and the outcomes of the check and the save.

#include <vector>

#include "core/base/Types.h"

enum class ColumnKind { Name, Folder, Form, Format, Duration, Value, Md5, Check, Result };

struct TableColumn {
    ColumnKind kind;
    CString strName;   // the value's name for SetMetadataValue or the field tables; else the title
    bool bShownFirst;  // shown until the user chooses
    // The kind whose fields the column shows among others of it, in a group of their own
    // (the header's menu); null for a column on its own.
    const char* pGroup = nullptr;
};

// Every column, in the order a new window shows them.
const std::vector<TableColumn>& TableColumns();
// The column's index by name (a value's name or a title), or -1.
int ColumnIndexOf(const CString& strName);
