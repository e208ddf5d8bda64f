#pragma once
// The base of every chunk of an opened file: the header exactly as found, the payload that was
// loaded, a display name, and the child chunks.

#include <memory>

#include "core/base/LittleEndian.h"
#include "core/base/ObList.h"
#include "core/io/Mmio.h"

class CChunk : public CObList {
    DECLARE_DYNCREATE(CChunk)
public:
    CChunk();
    ~CChunk() override;
    CChunk(const CChunk&) = delete;
    CChunk& operator=(const CChunk&) = delete;

    // Reads the chunk that starts at the current position; with bLoad, also its payload.
    virtual BOOL Read(HMMIO hmmio, BOOL bLoad);
    // Writes the header as held and the payload; the caller closes the chunk with an ascend.
    // FALSE unless every byte held was written.
    virtual BOOL Write(HMMIO hmmio);
    virtual CString GetDescription();

    void AddChild(CChunk* pChild);
    void DeleteChildren();
    CChunk* GetChild(int nIndex) const;

    // The payload bytes that are held: the chunk's data portion as far as the file held it.
    BYTE* Data() const { return m_pData.get(); }
    DWORD DataSize() const { return m_nDataSize; }
    // The held payload as one span, for reads through the field tables.
    ByteSpan Payload() const { return m_pData ? ByteSpan(m_pData.get(), m_nDataSize) : ByteSpan(); }
    // A payload too large to hold sensibly stays in the file: a save copies it from there.
    bool IsLeftInFile() const { return m_bLeftInFile; }
    static constexpr std::int64_t kLargestHeld = 64 << 20;
    // Replaces the payload with a copy of nSize bytes, and the size in the header with nSize;
    // FALSE, and nothing changed, when the copy cannot be had.
    bool SetData(const BYTE* pBytes, DWORD nSize);
    // The held payload as the bytes of a text (empty when none is held), and SetData of such
    // bytes: the form in which edits build payloads.
    CString PayloadText() const;
    bool SetPayloadText(const CString& strPayload);

    MMCKINFO m_ck;
    CChunk* m_pParent = nullptr;
    std::unique_ptr<BYTE[]> m_pData;
    CString m_strName;
    CString m_strPath;

    // Makes the object the registry's prototype of its kind: the id upper-cased into ckid, the
    // id text as the name.
    void Register(const CString& strId);

protected:
    // Replaces the payload with a buffer of nSize bytes, zero-filled; FALSE when it cannot be had.
    bool AllocateData(DWORD nSize);
    // Runs once SetData has replaced the payload: a class that keeps a pointer into it follows.
    virtual void OnPayloadReplaced() {}

private:
    DWORD m_nDataSize = 0;
    bool m_bLeftInFile = false;
};

// Writes exactly nLen bytes into pField: the text's bytes while they last, zeros after; a longer
// text is cut. Returns nLen, or 0 when nLen is 0 or less.
int CopyTextToField(const CString* pText, BYTE* pField, int nLen);
