#include "core/chunks/fmtChunkModel.h"

#include "core/fields/FieldCodec.h"
#include "core/fields/FormatFields.h"

IMPLEMENT_DYNCREATE(CfmtChunkModel, CChunk)

namespace {

constexpr WORD kExtensibleTag = 0xFFFE;
// An extensible record's sub-format GUID starts with the tag of the coding it stands for.
constexpr FieldLayout kSubFormatTag{"SubFormat", 24, 2, FieldKind::Number, false};

}  // namespace

BOOL CfmtChunkModel::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfmtChunkModel::GetDescription() {
    return "Format Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

WORD CfmtChunkModel::FormatTag() const {
    return static_cast<WORD>(ReadNumber(*this, kFormatTagField));
}

WORD CfmtChunkModel::SampleTag() const {
    const WORD wTag = FormatTag();
    if (wTag != kExtensibleTag || !IsFieldHeld(*this, kSubFormatTag)) {
        return wTag;
    }
    return static_cast<WORD>(ReadNumber(*this, kSubFormatTag));
}

WORD CfmtChunkModel::BlockAlign() const {
    return static_cast<WORD>(ReadNumber(*this, *kPcmFormatFields.Find("nBlockAlign")));
}
