#include "core/details/IxmlDetails.h"

#include "core/chunks/Chunk.h"
#include "core/details/XmlTree.h"

namespace {

// A main field: its name, and the element that holds it under the root or under SPEED.
struct MainField {
    const char* name;
    const char* parent;
    const char* element;
};

constexpr MainField kMainFields[] = {
    {"PROJECT", nullptr, "PROJECT"},
    {"SCENE", nullptr, "SCENE"},
    {"TAKE", nullptr, "TAKE"},
    {"TAPE", nullptr, "TAPE"},
    {"CIRCLED", nullptr, "CIRCLED"},
    {"NOTE", nullptr, "NOTE"},
    {"SPEED/TIMECODE_RATE", "SPEED", "TIMECODE_RATE"},
    {"SPEED/TIMECODE_FLAG", "SPEED", "TIMECODE_FLAG"},
    {"FILE_UID", nullptr, "FILE_UID"},
};

// The payload without the zero bytes and white space that writers pad it with.
CString DocumentText(const CChunk& chunk) {
    CString strText(reinterpret_cast<const char*>(chunk.Data()),
                    chunk.Data() ? chunk.DataSize() : 0);
    strText.erase(strText.find_last_not_of(CString(" \t\r\n\0", 5)) + 1);
    return strText;
}

XmlParse Parsed(const CString& strText) {
    if (strText.empty()) {
        return {nullptr, "the chunk holds no document"};
    }
    return ParseXml(strText);
}

DetailTable FieldsTable(const XmlElement& root) {
    DetailTable table{"iXML fields", {"Field", "Value"}, {}, {}};
    for (const MainField& field : kMainFields) {
        const XmlElement* pParent = field.parent ? root.Child(field.parent) : &root;
        table.rows.push_back({field.name, pParent ? pParent->ChildText(field.element) : ""});
    }
    return table;
}

DetailTable TracksTable(const XmlElement& root) {
    DetailTable table{"iXML tracks", {"Channel", "Interleave", "Name", "Function"}, {}, {}};
    const XmlElement* pList = root.Child("TRACK_LIST");
    if (!pList) {
        return table;
    }
    for (const auto& pTrack : pList->children) {
        if (pTrack->name == "TRACK") {
            table.rows.push_back({pTrack->ChildText("CHANNEL_INDEX"),
                                  pTrack->ChildText("INTERLEAVE_INDEX"), pTrack->ChildText("NAME"),
                                  pTrack->ChildText("FUNCTION")});
        }
    }
    return table;
}

}  // namespace

std::vector<DetailTable> IxmlDetails(const CChunk& chunk) {
    const CString strText = DocumentText(chunk);
    const XmlParse parse = Parsed(strText);
    if (!parse.root) {
        const char* pOutcome = parse.tooLarge ? "Too large to check: " : "Not well formed: ";
        return {{"iXML document", {}, {}, pOutcome + parse.error + ".\n" + strText}};
    }
    return MovedTables(FieldsTable(*parse.root), TracksTable(*parse.root),
                       DetailTable{"iXML document", {}, {}, IndentedXml(*parse.root)});
}

std::vector<CString> IxmlFieldNames() {
    std::vector<CString> names;
    for (const MainField& field : kMainFields) {
        names.emplace_back(field.name);
    }
    return names;
}

std::optional<TimecodeRate> IxmlTimecodeRate(const CChunk& chunk) {
    const XmlParse parse = Parsed(DocumentText(chunk));
    const XmlElement* pSpeed = parse.root ? parse.root->Child("SPEED") : nullptr;
    if (!pSpeed) {
        return std::nullopt;
    }
    return ParseTimecodeRate(pSpeed->ChildText("TIMECODE_RATE"),
                             pSpeed->ChildText("TIMECODE_FLAG"));
}
