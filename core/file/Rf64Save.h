#pragma once
// The ds64 side of a save: a form past 4 GiB is written as RF64, and the ds64 chunk of an RF64 or
// BW64 form is given the sizes that were written.

#include <cstdint>
#include <memory>

#include "core/chunks/ds64ChunkModel.h"

class CRiffChunkModel;

class CRf64Save {
public:
    // formSize: the form's size as the save will write it, form type included.
    CRf64Save(CRiffChunkModel& root, std::int64_t formSize);

    // The form's header id to write: RF64 for a RIFF form that outgrows 4 GiB, else as loaded.
    FOURCC FormId() const { return m_formId; }
    // A ds64 chunk the tree lacks, to write right after the form header; null when none is, or
    // when it takes a JUNK chunk's place.
    Cds64ChunkModel* Ds64AfterHeader() const { return m_pJunk ? nullptr : m_pAdded.get(); }
    // The chunk to write in chunk's place: a ds64 chunk instead of the JUNK chunk that reserved
    // its room, else chunk itself.
    CChunk& InPlaceOf(CChunk& chunk);
    // After the form is closed: writes the form's and the data's sizes into the ds64 chunk
    // written, then returns to the end. FALSE on a write or seek error.
    bool StoreSizes(HMMIO hmmio, const MMCKINFO& form) const;

private:
    CRiffChunkModel& m_root;
    FOURCC m_formId;
    std::unique_ptr<Cds64ChunkModel> m_pAdded;  // made for this save
    CChunk* m_pJunk = nullptr;                  // the JUNK chunk it replaces, when one does
    Cds64ChunkModel* m_pWritten = nullptr;      // the ds64 chunk in the new file
    bool m_bFormStandIn;                        // the form's size field said "see ds64"
    bool m_bDataStandIn = true;                 // the data's size field said so
};
