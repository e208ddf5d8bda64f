#include "player/ActiveMovie.h"

IMPLEMENT_DYNCREATE(CActiveMovie, CWnd)

namespace {

constexpr DISPID kDispMediaPath = 11;
constexpr DISPID kDispHaltPlayback = 0x60020003;
constexpr DISPID kDispStartupFlag = 28;

}  // namespace

CLSID CActiveMovie::GetClsid() {
    return {0x05589FA1, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
}

BOOL CActiveMovie::Create(const char* /*lpszClassName*/, const char* lpszWindowName, DWORD dwStyle,
                          const CRect& rect, CWnd* pParentWnd, UINT nID, void* /*pContext*/) {
    return CreateControl(GetClsid(), lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

void CActiveMovie::HaltPlayback() {
    InvokeHelper(kDispHaltPlayback, DISPATCH_METHOD, nullptr);
}

CString CActiveMovie::GetMediaPath() {
    COleVariant result;
    if (!InvokeHelper(kDispMediaPath, DISPATCH_PROPERTYGET, &result) ||
        !std::holds_alternative<CString>(result)) {
        return CString();
    }
    return std::get<CString>(result);
}

void CActiveMovie::SetMediaPath(const CString& strPath) {
    InvokeHelper(kDispMediaPath, DISPATCH_PROPERTYPUT, nullptr, {strPath});
}

void CActiveMovie::SetStartupFlag(BOOL bStart) {
    InvokeHelper(kDispStartupFlag, DISPATCH_PROPERTYPUT, nullptr, {bStart});
}
