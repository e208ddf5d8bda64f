#include "core/chunks/fmtChunkModel.h"

#include "core/fields/FieldCodec.h"
#include "core/fields/FormatFields.h"

IMPLEMENT_DYNCREATE(CfmtChunkModel, CChunk)

BOOL CfmtChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfmtChunkModel::GetDescription() {
    return "Format Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

WORD CfmtChunkModel::FormatTag() const {
    return static_cast<WORD>(ReadNumber(*this, kFormatTagField));
}
