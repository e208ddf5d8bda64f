#include "core/chunks/ListChunkModel.h"

IMPLEMENT_DYNCREATE(CListChunkModel, CChunk)

CListChunkModel::CListChunkModel() {
    m_strName = "LIST";
}

CListChunkModel::~CListChunkModel() {
    DeleteChildren();
}
