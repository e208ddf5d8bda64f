#include "core/chunks/UnknownChunkModel.h"

IMPLEMENT_DYNCREATE(CUnknownChunkModel, CChunk)

CUnknownChunkModel::CUnknownChunkModel() {
    m_strName = "Unknown";
}

CString CUnknownChunkModel::GetDescription() {
    return "Unknown chunk\r\n";
}
