#include "core/chunks/IxmlChunkModel.h"

IMPLEMENT_DYNCREATE(CiXMLChunkModel, CChunk)

CiXMLChunkModel::CiXMLChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}
