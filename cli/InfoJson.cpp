#include "cli/InfoJson.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "cli/LoadedFile.h"
#include "core/details/AudioFacts.h"

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

// The value as dumped at the given depth of the document: each line after the first indented by
// four spaces a level.
CString Dumped(const Json& value, int nDepth) {
    const CString strDump = value.dump(4, ' ', false, Json::error_handler_t::replace);
    const CString strIndent(4 * static_cast<std::size_t>(nDepth), ' ');
    CString strIndented;
    strIndented.reserve(strDump.size() * 5 / 4);
    // A dumped string holds no raw line break, so each one starts a line.
    for (const char c : strDump) {
        strIndented += c;
        if (c == '\n') {
            strIndented += strIndent;
        }
    }
    return strIndented;
}

bool IsPlainAscii(const CString& strText) {
    return std::all_of(strText.begin(), strText.end(),
                       [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
}

// A string as JSON: most names and ids need no escape and are written as they are.
CString Quoted(const CString& strText) {
    return IsPlainAscii(strText) ? '"' + strText + '"' : Dumped(Json(strText), 0);
}

// A chunk of no fields and no details, as most of a file's chunks are, written without building
// its object: the same text as the dump of ChunkJson.
CString PlainChunkText(const ChunkReport& chunk) {
    const CString strIndent(20, ' ');
    return "{\n" + strIndent + "\"id\": " + Quoted(chunk.strId) + ",\n" + strIndent +
           "\"offset\": " + std::to_string(chunk.llOffset) + ",\n" + strIndent +
           "\"size\": " + std::to_string(chunk.llSize) + ",\n" + strIndent +
           "\"tab\": " + Quoted(chunk.strTab) + "\n" + CString(16, ' ') + "}";
}

CString ChunkText(const ChunkReport& chunk) {
    if (!chunk.pTable && chunk.details.empty()) {
        return PlainChunkText(chunk);
    }
    return Dumped(ChunkJson(chunk), 4);
}

// The members after "chunks", in the document's (alphabetical) order.
Json FileMembers(const FileReport& report) {
    Json json{{"path", report.strPath}};
    if (!IsValidUtf8(report.strPath)) {
        json["path_bytes"] = HexBytes(report.strPath);
    }
    if (!report.strFailure.empty()) {
        json["error"] = report.strFailure;
        return json;
    }
    json["form"] = report.strForm;
    if (!report.strNote.empty()) {
        json["note"] = report.strNote;
    }
    json["overview"] = report.strOverview;
    Json details = Json::object();
    for (const auto& [name, value] : report.details) {
        details[name] = value;
    }
    json["details"] = std::move(details);
    return json;
}

// The members as dumped, without the object's braces, at the depth of a file's members.
CString MemberLines(const Json& members) {
    CString strText = Dumped(members, 2);
    strText.erase(0, strText.find('\n') + 1);
    strText.erase(strText.find_last_of('\n'));
    return strText;
}

}  // namespace

CInfoJson::CInfoJson(std::ostream& out) : m_out(out) {
    m_out << "{\n    \"files\": [";
}

void CInfoJson::Add(const CLoadedFile& file) {
    const FileReport summary = FileSummaryOf(file);
    m_out << (m_bAny ? ",\n        {\n" : "\n        {\n");
    m_bAny = true;
    if (!file.IsLoaded()) {
        m_out << MemberLines(FileMembers(summary)) << "\n        }";
        return;
    }
    // One chunk's report at a time: a file of many chunks never holds them all.
    const AudioFacts facts = AudioFactsOf(file.Root());
    const std::vector<CChunk*> chunks = file.Chunks();
    m_out << "            \"chunks\": [";
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        m_out << (i ? ",\n" : "\n") << CString(16, ' ')
              << ChunkText(ChunkReportOf(*chunks[i], facts));
    }
    m_out << (chunks.empty() ? "]" : "\n            ]") << ",\n"
          << MemberLines(FileMembers(summary)) << "\n        }";
}

void CInfoJson::Finish() {
    m_out << (m_bAny ? "\n    ]\n}\n" : "]\n}\n");
}

void PrintInfoJsonLine(const CLoadedFile& file) {
    Json json = FileMembers(FileSummaryOf(file));
    if (file.IsLoaded()) {
        const AudioFacts facts = AudioFactsOf(file.Root());
        Json chunks = Json::array();
        for (const CChunk* pChunk : file.Chunks()) {
            chunks.push_back(ChunkJson(ChunkReportOf(*pChunk, facts)));
        }
        json["chunks"] = std::move(chunks);
    }
    PrintJsonLine(json);
}
