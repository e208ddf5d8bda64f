#include "core/details/NamedChunkDetails.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/details/XmlTree.h"

namespace {

struct VendorName {
    const char* id;
    const char* name;
};

constexpr VendorName kVendorNames[] = {
    {"minf", "Pro Tools media information"}, {"elm1", "Pro Tools element list"},
    {"regn", "Pro Tools regions"},           {"umid", "Pro Tools material identifier"},
    {"DGDA", "Pro Tools session data"},      {"iXTC", "iXML timecode"},
};

CString SizeText(const CChunk& chunk) {
    return std::to_string(chunk.m_ck.llDataSize) + " bytes";
}

}  // namespace

DetailTable FillerDetails(const CChunk& chunk) {
    return {"Room",
            {"Field", "Value"},
            {{"Size", SizeText(chunk)}},
            "A filler: room for the chunks before it to grow into.\nIts bytes mean nothing."};
}

DetailTable VendorChunkDetails(const CChunk& chunk) {
    const CString strId = IdText(chunk.m_ck.ckid);
    CString strName = "written by an editing system for itself";
    for (const VendorName& vendor : kVendorNames) {
        if (strId == vendor.id) {
            strName = vendor.name;
        }
    }
    return {"Chunk", {"Field", "Value"}, {{"Kind", strName}, {"Size", SizeText(chunk)}}, {}};
}

DetailTable XmlDocumentDetails(const CChunk& chunk) {
    CString strText(reinterpret_cast<const char*>(chunk.Payload().data()), chunk.Payload().size());
    strText.erase(strText.find_last_not_of(CString(" \t\r\n\0", 5)) + 1);
    const XmlParse parse = ParseXml(strText);
    if (!parse.root) {
        return {"XML document", {}, {}, "Not read: " + parse.error + ".\n" + strText};
    }
    return {"XML document", {}, {}, IndentedXml(*parse.root)};
}
