#include "table/TableColumns.h"

#include <algorithm>

#include "core/edit/IxmlFields.h"
#include "core/kinds/ChunkKind.h"

namespace {

// The INFO entries a catalogue most often fills; others are set through the CLI or an import.
constexpr const char* kInfoIds[] = {"INAM", "IART", "IPRD", "ICMT", "ICOP", "ICRD", "IENG",
                                    "IGNR", "IKEY", "ISBJ", "ISFT", "ISRC", "ITCH", "IARL"};
constexpr const char* kShownFirst[] = {"Description",     "Originator",      "OriginatorReference",
                                       "OriginationDate", "OriginationTime", "TimeReference",
                                       "IXML:SCENE",      "IXML:TAKE"};

bool IsShownFirst(const CString& strName) {
    return std::find(std::begin(kShownFirst), std::end(kShownFirst), strName) !=
           std::end(kShownFirst);
}

void AddValue(std::vector<TableColumn>& rColumns, const CString& strName) {
    rColumns.push_back({ColumnKind::Value, strName, IsShownFirst(strName)});
}

// The stored fields of the kinds that batch edits name there; the time reference and the UMID
// have values of their own.
void AddStoredFields(std::vector<TableColumn>& rColumns, BatchFields where) {
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.batchFields != where) {
            continue;
        }
        for (const FieldLayout& field : kind.fieldTables.front()->fields) {
            if (field.stored) {
                AddValue(rColumns, field.name);
                rColumns.back().pGroup = where == BatchFields::Grouped ? kind.id : nullptr;
            }
        }
    }
}

std::vector<TableColumn> MakeColumns() {
    std::vector<TableColumn> columns = {{ColumnKind::Name, "File", true},
                                        {ColumnKind::Folder, "Folder", true},
                                        {ColumnKind::Form, "Form", true},
                                        {ColumnKind::Format, "Format", true},
                                        {ColumnKind::Duration, "Duration", true}};
    AddStoredFields(columns, BatchFields::Leading);
    AddValue(columns, "TimeReference");
    AddValue(columns, "UMID");
    for (const char* pId : kInfoIds) {
        AddValue(columns, CString("INFO:") + pId);
    }
    for (const CString& strField : IxmlFieldNamesForHelp()) {
        if (strField.find('.') == CString::npos) {
            AddValue(columns, "IXML:" + strField);
        }
    }
    AddStoredFields(columns, BatchFields::Grouped);
    columns.push_back({ColumnKind::Md5, "MD5", true});
    columns.push_back({ColumnKind::Check, "Check", true});
    columns.push_back({ColumnKind::Result, "Result", true});
    return columns;
}

}  // namespace

const std::vector<TableColumn>& TableColumns() {
    static const std::vector<TableColumn> columns = MakeColumns();
    return columns;
}

int ColumnIndexOf(const CString& strName) {
    const auto& columns = TableColumns();
    const auto it = std::find_if(columns.begin(), columns.end(), [&strName](const auto& column) {
        return column.strName == strName;
    });
    return it == columns.end() ? -1 : static_cast<int>(it - columns.begin());
}
