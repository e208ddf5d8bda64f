#include "core/edit/AdmDocumentEdit.h"

#include "core/details/AdmModel.h"
#include "core/details/Gzip.h"
#include "core/edit/ChunkInsert.h"

namespace {

// A bxml payload: formatInfo saying gzip, then the stream.
std::optional<CString> BxmlPayload(const CString& strDocument) {
    const std::optional<CString> stream = DeflateGzip(strDocument);
    return stream ? std::optional(LittleEndianText(kBxmlGzip, 2) + *stream) : std::nullopt;
}

}  // namespace

std::optional<CString> AdmDocumentOf(const CRiffChunkModel& root) {
    for (const char* pId : {"axml", "bxml"}) {
        if (const CChunk* pChunk = FindChunk(root, pId)) {
            CString strError;
            const CString strText = AdmDocumentText(pId, pChunk->Payload(), strError);
            return strError.empty() ? std::optional(strText) : std::nullopt;
        }
    }
    return std::nullopt;
}

CString SetAdmDocument(CRiffChunkModel& root, const CString& strDocument, bool bAdd) {
    const AdmDocument adm = ParseAdm(strDocument);
    if (!adm.error.empty() || adm.elements.empty()) {
        return "the document is not an ADM document: " +
               (adm.error.empty() ? CString("it holds no ADM element") : adm.error);
    }
    if (CChunk* pBxml = FindChunk(root, "bxml"); pBxml && !FindChunk(root, "axml")) {
        const std::optional<CString> payload = BxmlPayload(strDocument);
        return payload && pBxml->SetPayloadText(*payload) ? CString()
                                                          : "couldn't compress the document";
    }
    CString strPayload = strDocument;
    strPayload += (strPayload.size() & 1) != 0 ? CString(1, '\0') : CString();
    if (CChunk* pAxml = FindChunk(root, "axml")) {
        return pAxml->SetPayloadText(strPayload) ? CString() : "couldn't hold the document";
    }
    if (!bAdd) {
        return "no 'axml' or 'bxml' chunk for the ADM document (--add adds one)";
    }
    return AddChunk(root, "axml", strPayload, ChunkPlace::Last) ? CString()
                                                                : "couldn't make an axml chunk";
}
