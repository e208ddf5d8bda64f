#include "table/TableExchange.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/base/Csv.h"
#include "core/base/FormulaCells.h"
#include "core/edit/FileMarkers.h"
#include "table/TableColumns.h"

namespace {

using Json = nlohmann::json;

CString AbsolutePath(const CString& strPath) {
    std::error_code error;
    const auto path = std::filesystem::absolute(strPath, error);
    return error ? strPath : path.lexically_normal().string();
}

// The values as ovalis-cli export lists them: the time reference in samples.
std::map<CString, CString> ExportedValues(const TableFile& file) {
    std::map<CString, CString> values;
    for (auto& [strName, strValue] :
         file.pRoot ? EditableValuesOf(*file.pRoot) : std::vector<std::pair<CString, CString>>()) {
        values[strName] = strValue;
    }
    return values;
}

Json MarkersJson(const CRiffChunkModel& root) {
    Json markers = Json::array();
    const CMarkerList list = MarkersOf(root);
    for (const Marker& marker : list.Markers()) {
        markers.push_back({{"id", marker.id},
                           {"position", marker.position},
                           {"label", marker.label},
                           {"note", marker.note}});
    }
    return markers;
}

bool IsValueColumn(const CString& strName) {
    const int nColumn = ColumnIndexOf(strName);
    return IsMetadataName(strName) ||
           (nColumn >= 0 &&
            TableColumns()[static_cast<std::size_t>(nColumn)].kind == ColumnKind::Value);
}

// The changes of one file, skipping the values the table does not set and empty ones.
void AddChanges(const FileListModel& model, const CString& strPath,
                const std::vector<std::pair<CString, CString>>& values, ImportedEdits& rEdits) {
    const int nRow = model.RowOf(AbsolutePath(strPath));
    if (nRow < 0) {
        ++rEdits.nUnlisted;
        return;
    }
    for (const auto& [strName, strValue] : values) {
        if (!strValue.empty() && IsValueColumn(strName)) {
            rEdits.changes.push_back({nRow, strName, strValue});
        }
    }
}

void ReadCsv(const FileListModel& model, const CString& strText, ImportedEdits& rEdits) {
    CsvTable table;
    if (!ParseCsv(strText, table, rEdits.strError)) {
        return;
    }
    const CsvRow header = table.rows.empty() ? CsvRow() : table.rows.front();
    const auto path = std::find(header.begin(), header.end(), "path");
    if (path == header.end()) {
        rEdits.strError = "line 1: the header needs a column named \"path\"";
        return;
    }
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const CsvRow& cells = table.rows[i];
        if (cells.size() != header.size()) {
            rEdits.strError = "line " + std::to_string(table.lines[i]) + ": " +
                              std::to_string(cells.size()) + " cells where the header has " +
                              std::to_string(header.size());
            return;
        }
        std::vector<std::pair<CString, CString>> values;
        for (std::size_t j = 0; j < header.size(); ++j) {
            values.emplace_back(header[j], ImportedCell(cells[j]));
        }
        AddChanges(model, ImportedCell(cells[path - header.begin()]), values, rEdits);
    }
}

void ReadJson(const FileListModel& model, const CString& strText, ImportedEdits& rEdits) {
    const Json document = Json::parse(strText, nullptr, false);
    if (document.is_discarded() || !document.is_object() ||
        !document.value("files", Json()).is_array()) {
        rEdits.strError = "not a JSON document {\"files\": [...]}";
        return;
    }
    std::size_t nFile = 0;
    for (const Json& file : document["files"]) {
        ++nFile;
        const Json values = file.is_object() ? file.value("values", Json::object()) : Json();
        if (!file.is_object() || !file.value("path", Json()).is_string() || !values.is_object()) {
            rEdits.strError = "file " + std::to_string(nFile) + ": needs a \"path\" and \"values\"";
            return;
        }
        std::vector<std::pair<CString, CString>> texts;
        for (const auto& [strName, value] : values.items()) {
            if (value.is_string()) {
                texts.emplace_back(strName, value.get<CString>());
            }
        }
        AddChanges(model, file["path"].get<CString>(), texts, rEdits);
    }
}

}  // namespace

CString TableCsv(const FileListModel& model, const std::vector<int>& rows) {
    std::vector<std::map<CString, CString>> values;
    for (const int nRow : rows) {
        values.push_back(ExportedValues(model.File(nRow)));
    }
    CsvRow header{"path"};
    for (const TableColumn& column : TableColumns()) {
        const CString& strName = column.strName;
        if (column.kind == ColumnKind::Value &&
            std::any_of(values.begin(), values.end(),
                        [&strName](const auto& file) { return file.count(strName) > 0; })) {
            header.push_back(strName);
        }
    }
    CString strCsv = CsvRecord(header);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        CsvRow row{ExportedCell(AbsolutePath(model.File(rows[i]).strPath))};
        for (std::size_t j = 1; j < header.size(); ++j) {
            const auto it = values[i].find(header[j]);
            row.push_back(ExportedCell(it == values[i].end() ? CString() : it->second));
        }
        strCsv += CsvRecord(row);
    }
    return strCsv;
}

CString TableJson(const FileListModel& model, const std::vector<int>& rows) {
    Json files = Json::array();
    for (const int nRow : rows) {
        const TableFile& file = model.File(nRow);
        if (!file.pRoot) {
            continue;
        }
        Json values = Json::object();
        for (auto& [strName, strValue] : EditableValuesOf(*file.pRoot)) {
            values[strName] = strValue;
        }
        files.push_back({{"path", AbsolutePath(file.strPath)},
                         {"values", values},
                         {"markers", MarkersJson(*file.pRoot)}});
    }
    return Json{{"files", files}}.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

ImportedEdits ImportedEditsOf(const FileListModel& model, const CString& strText) {
    ImportedEdits edits;
    const std::size_t nFirst = strText.find_first_not_of(" \t\r\n");
    if (nFirst != CString::npos && strText[nFirst] == '{') {
        ReadJson(model, strText, edits);
    } else {
        ReadCsv(model, strText, edits);
    }
    if (!edits.strError.empty()) {
        edits.changes.clear();
    }
    return edits;
}
