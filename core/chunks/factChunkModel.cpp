#include "core/chunks/factChunkModel.h"

IMPLEMENT_DYNCREATE(CfactChunkModel, CChunk)

BOOL CfactChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfactChunkModel::GetDescription() {
    return "fact Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}
