#include "bwf/BextVersionBoxes.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/fields/BextFields.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"

struct CBextVersionBoxes::BoxRow {
    const char* pszField;
    int nLabelID;
    int nBoxID;
    int nUnitID;  // 0: none
};

namespace {

using BoxRow = CBextVersionBoxes::BoxRow;

const BoxRow kRows[] = {
    {"UMID", 1040, 1041, 0},
    {"LoudnessValue", 1042, 1043, 1044},
    {"LoudnessRange", 1045, 1046, 1047},
    {"MaxTruePeakLevel", 1048, 1049, 1050},
    {"MaxMomentaryLoudness", 1051, 1052, 1053},
    {"MaxShortTermLoudness", 1054, 1055, 1056},
};

const FieldLayout& Field(const BoxRow& row) {
    return *kBextFields.Find(row.pszField);
}

void ShowRow(CDialog& page, const BoxRow& row, bool bShow) {
    for (const int nID : {row.nLabelID, row.nBoxID, row.nUnitID}) {
        if (CWnd* pControl = nID ? page.GetDlgItem(nID) : nullptr) {
            pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        }
    }
}

CString BoxText(const CDialog& page, int nID) {
    const CWnd* pBox = page.GetDlgItem(nID);
    return pBox ? pBox->GetWindowText() : CString();
}

}  // namespace

void CBextVersionBoxes::Show(CDialog& page, const CChunk* pChunk) {
    m_shown.clear();
    for (const BoxRow& row : kRows) {
        ShowOne(page, row, pChunk);
    }
}

void CBextVersionBoxes::ShowUmid(CDialog& page, const CChunk& chunk) {
    ShowOne(page, kRows[0], &chunk);
}

void CBextVersionBoxes::ShowOne(CDialog& page, const BoxRow& row, const CChunk* pChunk) {
    const std::optional<CString> text = pChunk ? ReadFieldText(*pChunk, Field(row)) : std::nullopt;
    // The UMID row stays, empty, where the version has none: Generate beside it makes one.
    const bool bAlways = &row == &kRows[0];
    ShowRow(page, row, text.has_value() || bAlways);
    CWnd* pBox = page.GetDlgItem(row.nBoxID);
    if (text && pBox) {
        pBox->SetWindowText(*text);
        m_shown[row.nBoxID] = pBox->GetWindowText();
    } else if (pBox && bAlways) {
        pBox->SetWindowText(CString());
    }
}

void CBextVersionBoxes::Store(CDialog& page, CChunk* pChunk) const {
    for (const BoxRow& row : kRows) {
        const auto shown = m_shown.find(row.nBoxID);
        const CString strText = BoxText(page, row.nBoxID);
        if (!pChunk || shown == m_shown.end() || strText == shown->second) {
            continue;
        }
        if (const CString strRefused = WriteFieldText(*pChunk, Field(row), strText);
            !strRefused.empty()) {
            AfxMessageBox(CString("bext ") + row.pszField + " \"" + strText + "\" is not saved. " +
                          strRefused);
        }
    }
}
