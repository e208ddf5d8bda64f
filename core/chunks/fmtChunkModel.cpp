#include "core/chunks/fmtChunkModel.h"

IMPLEMENT_DYNCREATE(CfmtChunkModel, CChunk)

BOOL CfmtChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfmtChunkModel::GetDescription() {
    return "Format Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

WORD CfmtChunkModel::FormatTag() const {
    return Record().tag.value_or(0);
}

WORD CfmtChunkModel::SampleTag() const {
    return Record().SampleTag();
}

WORD CfmtChunkModel::BlockAlign() const {
    return Record().blockAlign.value_or(0);
}
