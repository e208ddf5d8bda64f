#pragma once
// The fmt chunk: the audio format record, kept as read and written back as it is held.

#include "core/chunks/Chunk.h"
#include "core/fields/FormatRecord.h"

class CfmtChunkModel : public CChunk {
    DECLARE_DYNCREATE(CfmtChunkModel)
public:
    CfmtChunkModel() = default;

    // The payload is always loaded: it is the format record (Data(), DataSize()).
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
    // The record as the payload holds it now.
    FormatRecord Record() const { return ParseFormatRecord(Payload()); }
    // The format tag; 0, which no format has, when the record is too short to hold one.
    WORD FormatTag() const;
    // The tag of the samples' coding: an extensible record's sub-format, else FormatTag().
    WORD SampleTag() const;
    // The bytes of one block (a frame of a linear format); 0 when the record does not hold it.
    WORD BlockAlign() const;
};
