#include "cli/InfoJson.h"

#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "core/fields/FieldEncoding.h"
#include "core/fields/PositiveInteger.h"

using Json = nlohmann::json;

namespace {

// A number field's text as a JSON number, any other as a string, a field not held as null.
Json FieldJson(const FieldValue& field) {
    if (!field.text) {
        return nullptr;
    }
    if (field.pField->kind == FieldKind::Number && field.pField->width == 8) {
        return std::stoull(*field.text);
    }
    if (field.pField->kind == FieldKind::Number) {
        if (const std::optional<DWORD> value = ParsePositiveInteger(*field.text)) {
            return *value;
        }
    }
    if (field.pField->kind == FieldKind::SignedNumber) {
        return std::stoll(*field.text);
    }
    return *field.text;
}

// A table's rows as objects keyed by its columns; a document as its text.
Json DetailJson(const DetailTable& table) {
    Json rows = Json::array();
    for (const auto& row : table.rows) {
        Json object = Json::object();
        for (std::size_t i = 0; i < row.size() && i < table.columns.size(); ++i) {
            object[table.columns[i]] = row[i];
        }
        rows.push_back(std::move(object));
    }
    Json json{{"title", table.title}};
    if (!table.columns.empty()) {
        json["rows"] = std::move(rows);
    }
    if (!table.text.empty()) {
        json["text"] = table.text;
    }
    return json;
}

Json ChunkJson(const ChunkReport& chunk) {
    Json json{{"tab", chunk.strTab},
              {"id", chunk.strId},
              {"size", chunk.llSize},
              {"offset", chunk.llOffset}};
    if (chunk.pTable) {
        Json fields = Json::object();
        for (const FieldValue& field : chunk.fields) {
            fields[field.pField->name] = FieldJson(field);
        }
        json["fields"] = std::move(fields);
    }
    if (!chunk.details.empty()) {
        Json details = Json::array();
        for (const DetailTable& table : chunk.details) {
            details.push_back(DetailJson(table));
        }
        json["details"] = std::move(details);
    }
    return json;
}

// A name that is not UTF-8 shows its bad bytes as U+FFFD in "path"; "path_bytes" then holds
// every byte in hexadecimal, so that a script can name the file again.
CString HexBytes(const CString& strBytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    CString strHex;
    for (const char c : strBytes) {
        const auto byte = static_cast<unsigned char>(c);
        strHex += kDigits[byte >> 4];
        strHex += kDigits[byte & 0xF];
    }
    return strHex;
}

Json FileJson(const FileReport& report) {
    Json json{{"path", report.strPath}};
    if (!IsValidUtf8(report.strPath)) {
        json["path_bytes"] = HexBytes(report.strPath);
    }
    if (!report.strFailure.empty()) {
        json["error"] = report.strFailure;
        return json;
    }
    Json chunks = Json::array();
    for (const ChunkReport& chunk : report.chunks) {
        chunks.push_back(ChunkJson(chunk));
    }
    json["form"] = report.strForm;
    if (!report.strNote.empty()) {
        json["note"] = report.strNote;
    }
    json["overview"] = report.strOverview;
    json["chunks"] = std::move(chunks);
    Json details = Json::object();
    for (const auto& [name, value] : report.details) {
        details[name] = value;
    }
    json["details"] = std::move(details);
    return json;
}

}  // namespace

CInfoJson::CInfoJson(std::ostream& out) : m_out(out) {
    m_out << "{\n    \"files\": [";
}

void CInfoJson::Add(const FileReport& report) {
    const CString strMember = FileJson(report).dump(4, ' ', false, Json::error_handler_t::replace);
    // A dumped string holds no raw line break, so each one starts a line of the member.
    CString strIndented = m_bAny ? ",\n        " : "\n        ";
    strIndented.reserve(strMember.size() * 5 / 4);
    for (const char c : strMember) {
        strIndented += c;
        if (c == '\n') {
            strIndented += "        ";
        }
    }
    m_out << strIndented;
    m_bAny = true;
}

void CInfoJson::Finish() {
    m_out << (m_bAny ? "\n    ]\n}\n" : "]\n}\n");
}

void PrintInfoJsonLine(const FileReport& report) {
    PrintJsonLine(FileJson(report));
}
