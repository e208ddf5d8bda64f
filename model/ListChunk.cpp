#include "model/ListChunk.h"

IMPLEMENT_DYNCREATE(CListChunk, CChunk)

CListChunk::CListChunk() {
    m_strName = "LIST";
}

CListChunk::CListChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CListChunk::~CListChunk() {
    DeleteChildren();
}

CChunkPage* CListChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(136, pParent, this);
    }
    return &m_page;
}
