#include "format/ds64PropertyPage.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/fields/Ds64Fields.h"

IMPLEMENT_DYNCREATE(Cds64PropertyPage, CDialog)

namespace {
// The boxes of the table's fields, in its order, then the box of the size table.
constexpr int kFieldBoxes[] = {1050, 1051, 1052, 1053};
constexpr int kTableBox = 1054;
}  // namespace

BOOL Cds64PropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    const auto* pDs64 = dynamic_cast<const Cds64ChunkModel*>(m_pChunk);
    if (pDs64 == nullptr) {
        return TRUE;
    }
    for (std::size_t i = 0; i < kDs64Fields.fields.size(); ++i) {
        if (CWnd* pBox = GetDlgItem(kFieldBoxes[i])) {
            pBox->SetWindowText(ReadFieldText(*pDs64, kDs64Fields.fields[i]).value_or(""));
        }
    }
    if (CWnd* pBox = GetDlgItem(kTableBox)) {
        pBox->SetWindowText(pDs64->TableText());
    }
    return TRUE;
}
