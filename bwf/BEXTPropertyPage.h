#pragma once
// The page of a broadcast extension chunk: its fields in edit boxes, the six text fields editable
// and stored back in place at their widths; its initialisation rewrites the overview text.
// Fields that a short payload does not hold show an empty read-only box and are never touched.

#include "bwf/BextVersionBoxes.h"
#include "bwf/FieldText.h"
#include "bwf/TimeReferenceBox.h"
#include "pages/ChunkPage.h"

class CBEXTPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CBEXTPropertyPage)
public:
    CBEXTPropertyPage();
    ~CBEXTPropertyPage() override;

    BOOL OnInitDialog() override;
    // Stores the text fields, levels and time reference whose boxes were edited, leaving every
    // byte of the others as read; the hexadecimal time reference boxes, the version and the UMID
    // are shown only. A page that was
    // never initialised stores nothing, so its empty members cannot wipe the fields.
    BOOL UpdateChunk() override;
    // The text boxes the user changed; the others are not typed values.
    std::vector<TypedValue> TypedValues() override;

    // The text members hold a field's bytes as they stand in the payload.
    CString m_strCodingHistory;
    CString m_strDescription;
    CString m_strOriginator;
    CString m_strOriginationTime;
    CString m_strOriginationDate;
    CString m_strOriginatorReference;
    CString m_strTimeReferenceHigh;
    CString m_strTimeReferenceLow;
    CString m_strVersion;

    // How each text box shows its bytes and gives them back.
    CFieldText m_codingHistoryText{true};
    CFieldText m_descriptionText{true};
    CFieldText m_originatorText;
    CFieldText m_originationTimeText;
    CFieldText m_originationDateText;
    CFieldText m_originatorReferenceText;
    // The UMID and loudness boxes, below the others; the page scrolls when they do not fit.
    CBextVersionBoxes m_versionBoxes;
    CTimeReferenceBox m_timeReferenceBox;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Puts a new UMID into the chunk at once, raising its version to 1, and shows both.
    void OnGenerateUmid();

    DECLARE_MESSAGE_MAP()

private:
    BYTE* Payload() const;
    DWORD PayloadSize() const;
    bool IsHeld(const char* pszField) const;
    // The file's first bext chunk: the one whose UMID the file's values name.
    bool IsFirstBext() const;
    void ReadFields();
    void LockFieldsOutsidePayload();
};
