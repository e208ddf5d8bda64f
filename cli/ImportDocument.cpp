// import --json: the document export --json writes, checked whole before any file is touched.

#include <nlohmann/json.hpp>

#include "cli/FieldCatalog.h"
#include "cli/ImportTable.h"
#include "core/edit/MetadataValues.h"

namespace {

using Json = nlohmann::json;

CString ReadValues(const Json& values, ImportRow& row) {
    if (!values.is_object()) {
        return "\"values\" is not an object";
    }
    for (const auto& [strName, value] : values.items()) {
        if (!value.is_string()) {
            return "the value of \"" + strName + "\" is not a string";
        }
        if (!IsMetadataName(strName) && !IsStoredField(strName)) {
            continue;  // shown only, as in a table
        }
        Assignment assignment{strName, value.get<CString>()};
        if (CString strProblem = CheckAssignment(assignment); !strProblem.empty()) {
            return strProblem;
        }
        row.assignments.push_back(std::move(assignment));
    }
    return CString();
}

CString ReadMarkers(const Json& markers, ImportRow& row) {
    if (!markers.is_array()) {
        return "\"markers\" is not a list";
    }
    row.markers.emplace();
    for (const Json& marker : markers) {
        if (!marker.is_object() || !marker.value("id", Json()).is_number_unsigned() ||
            !marker.value("position", Json()).is_number_unsigned() ||
            marker.value("id", 0ULL) > 0xFFFFFFFFULL) {
            return "a marker needs an \"id\" and a \"position\", both counts";
        }
        row.markers->push_back({static_cast<DWORD>(marker.value("id", 0ULL)),
                                marker.value("position", 0ULL), marker.value("label", CString()),
                                marker.value("note", CString())});
    }
    return CString();
}

CString ReadFile(const Json& file, ImportRow& row) {
    if (!file.is_object() || !file.value("path", Json()).is_string()) {
        return "a file needs a \"path\"";
    }
    row.strPath = file["path"].get<CString>();
    CString strProblem = file.contains("values") ? ReadValues(file["values"], row) : CString();
    if (strProblem.empty() && file.contains("markers")) {
        strProblem = ReadMarkers(file["markers"], row);
    }
    return strProblem;
}

}  // namespace

BOOL ReadImportDocument(const CString& strText, std::vector<ImportRow>& rows, CString& strError) {
    const Json document = Json::parse(strText, nullptr, false);
    // Looked up, not taken with value(): that copies the whole list of files.
    if (document.is_discarded() || !document.is_object() || !document.contains("files") ||
        !document["files"].is_array()) {
        strError = "not a JSON document {\"files\": [...]}";
        return FALSE;
    }
    std::size_t nFile = 0;
    for (const Json& file : document["files"]) {
        ++nFile;
        ImportRow row;
        try {
            strError = ReadFile(file, row);
        } catch (const Json::exception&) {
            strError = "a label or note is not a string";
        }
        if (!strError.empty()) {
            strError = "file " + std::to_string(nFile) + ": " + strError;
            return FALSE;
        }
        rows.push_back(std::move(row));
    }
    return TRUE;
}
