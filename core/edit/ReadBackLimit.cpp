#include "core/edit/ReadBackLimit.h"

#include <string>

#include "core/chunks/Chunk.h"
#include "core/details/XmlTree.h"

namespace {

CString PastLimit(const CString& strWhat, std::size_t nBytes, std::size_t nLimit) {
    if (nBytes <= nLimit) {
        return CString();
    }
    return "the " + strWhat + " would be " + std::to_string(nBytes) + " bytes, past the " +
           std::to_string(nLimit >> 20) + " MiB Ovalis reads";
}

}  // namespace

CString XmlDocumentSizeProblem(const CString& strDocument, std::size_t nBytes) {
    return PastLimit(strDocument + " document", nBytes, kLargestXmlDocument);
}

CString HeldPayloadSizeProblem(const CString& strChunk, std::size_t nBytes) {
    return PastLimit(strChunk + " chunk", nBytes, static_cast<std::size_t>(CChunk::kLargestHeld));
}
