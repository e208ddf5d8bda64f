#include "core/chunks/factChunkModel.h"

IMPLEMENT_DYNCREATE(CfactChunkModel, CChunk)

CfactChunkModel::CfactChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

BOOL CfactChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfactChunkModel::GetDescription() {
    return "fact Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}
