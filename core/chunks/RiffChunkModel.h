#pragma once
// The root of the chunk tree: the file's RIFF form of type WAVE, whose children are the file's
// top-level chunks in file order.

#include <functional>

#include "core/chunks/Chunk.h"
#include "core/file/FileIdentity.h"

class CRiffChunkModel : public CChunk {
    DECLARE_DYNCREATE(CRiffChunkModel)
public:
    // Runs just before a chunk is written by a save: the root first, then each top-level chunk.
    using ChunkStep = std::function<void(CChunk& chunk)>;

    CRiffChunkModel();
    CRiffChunkModel(const CString& strId, BOOL bRegister);
    ~CRiffChunkModel() override;

    // Opens the file and builds the tree; TRUE when the walk reached the end of the file.
    BOOL Load(const CString& strPath);
    // Empty when the last load gave a tree with chunks; else why not, naming the place.
    const CString& LoadFailure() const { return m_strLoadFailure; }
    // Writes the tree to strPath; over the loaded file itself through a temporary file that
    // replaces it once complete. Empty on success; else what failed, and the loaded file is as
    // it was.
    CString SaveTree(const CString& strPath, const ChunkStep& step);

    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    BOOL Write(HMMIO hmmio) override;
    CString GetDescription() override;

    // The path exactly as it was opened (m_strPath holds it lower-cased): every later file
    // operation uses this one, since the file system may tell letter cases apart.
    CString m_strOpenedPath;

    // The loaded file as it was when it was read, so that a save can tell whether another
    // program changed or replaced it since.
    const FileIdentity& LoadedFile() const { return m_loadedFile; }

private:
    CString m_strLoadFailure;
    FileIdentity m_loadedFile;
};
