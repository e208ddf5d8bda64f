#include "core/chunks/CueChunkModel.h"

IMPLEMENT_DYNCREATE(CcueChunkModel, CChunk)

CcueChunkModel::CcueChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}
