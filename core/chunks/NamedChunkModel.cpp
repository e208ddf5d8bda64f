#include "core/chunks/NamedChunkModel.h"

IMPLEMENT_DYNCREATE(CNamedChunkModel, CChunk)

CString CNamedChunkModel::GetDescription() {
    return m_strName + " chunk\r\n" + CChunk::GetDescription();
}
