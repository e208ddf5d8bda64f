#include "core/chunks/ListChunkModel.h"

IMPLEMENT_DYNCREATE(CListChunkModel, CChunk)

CListChunkModel::CListChunkModel() {
    m_strName = "LIST";
}

CListChunkModel::CListChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CListChunkModel::~CListChunkModel() {
    DeleteChildren();
}
