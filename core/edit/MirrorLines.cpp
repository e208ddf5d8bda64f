#include "core/edit/MirrorLines.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kMirrored[] = {"PROJECT", "SCENE", "TAKE", "TAPE", "CIRCLED", "NOTE"};

// Where the value of a line mirroring the field begins, or npos.
std::size_t ValueStart(const CString& strDescription, std::size_t nLine, std::size_t nEnd,
                       const CString& strName) {
    std::size_t nName = nLine;
    if (nName < nEnd && strDescription[nName] >= 'a' && strDescription[nName] <= 'z') {
        ++nName;
    }
    const CString strKey = strName + "=";
    return strDescription.compare(nName, strKey.size(), strKey) == 0 &&
                   nName + strKey.size() <= nEnd
               ? nName + strKey.size()
               : CString::npos;
}

}  // namespace

bool IsMirroredField(const CString& strName) {
    return std::find(std::begin(kMirrored), std::end(kMirrored), strName) != std::end(kMirrored);
}

CString WithMirrorLines(const CString& strDescription, const CString& strName,
                        const CString& strValue) {
    CString strResult;
    std::size_t nLine = 0;
    while (nLine < strDescription.size()) {
        std::size_t nEnd = strDescription.find_first_of("\r\n", nLine);
        nEnd = nEnd == CString::npos ? strDescription.size() : nEnd;
        const std::size_t nValue = ValueStart(strDescription, nLine, nEnd, strName);
        strResult += nValue == CString::npos
                         ? strDescription.substr(nLine, nEnd - nLine)
                         : strDescription.substr(nLine, nValue - nLine) + strValue;
        const std::size_t nNext = strDescription.find_first_not_of("\r\n", nEnd);
        strResult += strDescription.substr(
            nEnd, (nNext == CString::npos ? strDescription.size() : nNext) - nEnd);
        nLine = nNext == CString::npos ? strDescription.size() : nNext;
    }
    return strResult;
}
