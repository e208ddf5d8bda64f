#pragma once
// The root of the chunk tree: the file's RIFF form of type WAVE, whose children are the file's
// top-level chunks in file order.

#include <cstdint>
#include <functional>
#include <optional>

#include "core/chunks/Chunk.h"
#include "core/chunks/SaveOptions.h"
#include "core/io/FileIdentity.h"

class CfmtChunkModel;

class CRiffChunkModel : public CChunk {
    DECLARE_DYNCREATE(CRiffChunkModel)
public:
    // Runs just before a chunk is written by a save: the root first, then each top-level chunk.
    using ChunkStep = std::function<void(CChunk& chunk)>;

    CRiffChunkModel();
    ~CRiffChunkModel() override;

    // Opens the file and builds the tree; TRUE when the walk reached the end of the file.
    BOOL Load(const CString& strPath);
    // Empty when the last load gave a tree with chunks; else why not, naming the place.
    const CString& LoadFailure() const { return m_strLoadFailure; }
    // The overview's first line for the form the last load found (see OverviewOfLoad), or empty
    // when it could not open the file. Kept with the tree, as a load writes nothing outside it.
    const CString& LoadOverview() const { return m_strLoadOverview; }
    // Whether the last load stopped at an error (a failed system call, a chunk it could not
    // read, a file it could not open): a save refuses such a tree, which may lack what the file
    // holds. A load that found no chunks saw no error.
    bool LoadSawError() const { return m_bLoadSawError; }
    // The loaded file, open while a save runs (else null): every byte a save copies from the
    // loaded file is read through it. The save (SaveTree) sets it for its length.
    HMMIO SaveSourceHandle() const { return m_hmmioSaveSource; }
    void SetSaveSourceHandle(HMMIO hmmio) { m_hmmioSaveSource = hmmio; }

    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    BOOL Write(HMMIO hmmio) override;
    CString GetDescription() override;

    // The path exactly as it was opened (m_strPath holds it lower-cased): every later file
    // operation uses this one, since the file system may tell letter cases apart.
    CString m_strOpenedPath;

    // The loaded file as it was when it was read, so that a save can tell whether another
    // program changed or replaced it since.
    const FileIdentity& LoadedFile() const { return m_loadedFile; }

    // Where the walk stopped because the file held more top-level chunks than a load takes
    // (kMostChunks), or -1; a save copies the bytes from there on as they are.
    std::int64_t UnwalkedOffset() const { return m_llUnwalked; }
    // Empty, or what a load that succeeded left out, for the user.
    const CString& LoadNote() const { return m_strLoadNote; }
    static constexpr int kMostChunks = 100000;

    // One to seven bytes after the last whole chunk, which a save writes back where they were:
    // inside the form when its size covered them, else after it.
    const CString& TrailingBytes() const { return m_strTrailing; }
    bool TrailingBytesInForm() const { return m_bTrailingInForm; }

    // The first top-level chunk of id ckid, or null.
    CChunk* FirstChunk(FOURCC ckid) const;
    // The first top-level chunk of the class Kind or one derived from it, or null: the one way
    // to find a chunk of a kind.
    template <class Kind>
    Kind* FirstOf() const {
        for (CObject* pChild : *this) {
            if (auto* pFound = ClassCast<Kind>(pChild)) {
                return pFound;
            }
        }
        return nullptr;
    }
    // The first top-level data chunk and fmt chunk, or null.
    CChunk* DataChunk() const;
    const CfmtChunkModel* FormatChunk() const;

    // The one place that says where the samples are: the data chunk's payload as the load
    // mended it (from ds64 in a wide form, cut at the end of the file, or running to the end or
    // the next header in a recording never closed), never the header's 32-bit size. 0 and 0
    // without a data chunk.
    std::int64_t SampleOffset() const;
    std::int64_t SampleBytes() const;
    // Whole sample frames: linear formats from the bytes, others from the fact chunk, or ds64's
    // count in a wide form; nothing when neither can tell.
    std::optional<std::uint64_t> SampleFrames() const;

private:
    CString m_strLoadFailure;
    CString m_strLoadOverview;
    bool m_bLoadSawError = false;
    CString m_strTrailing;
    bool m_bTrailingInForm = false;
    CString m_strLoadNote;
    std::int64_t m_llUnwalked = -1;
    FileIdentity m_loadedFile;
    HMMIO m_hmmioSaveSource = nullptr;
};
