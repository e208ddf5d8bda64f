// The iXML page: the main fields in their boxes, the rest of the document in the details box.

#include <gtest/gtest.h>

#include <string>

#include "core/chunks/Chunk.h"
#include "pages/ChunkDetailsView.h"
#include "pages/IxmlPropertyPage.h"

namespace {

struct IxmlPageRow {
    const char* what;
    std::string document;
    std::vector<std::pair<int, const char*>> boxes;  // control id, its text
    const char* inDetails;
    const char* notInDetails;
};

CString ControlText(CWnd& page, int nId) {
    CWnd* pControl = page.GetDlgItem(nId);
    return pControl ? pControl->GetWindowText() : "(no control)";
}

TEST(IxmlPageTest, MainFieldsStandInTheirBoxesAndTheRestBelow) {
    const IxmlPageRow rows[] = {
        {"a document with every main field",
         "<BWFXML><PROJECT>Ovalis</PROJECT><SCENE>12A</SCENE><TAKE>3</TAKE><TAPE>T1</TAPE>"
         "<CIRCLED>TRUE</CIRCLED><NOTE>wind</NOTE><SPEED><TIMECODE_RATE>25/1</TIMECODE_RATE>"
         "<TIMECODE_FLAG>NDF</TIMECODE_FLAG></SPEED><FILE_UID>U1</FILE_UID><TRACK_LIST><TRACK>"
         "<NAME>Boom</NAME></TRACK></TRACK_LIST></BWFXML>",
         {{1070, "PROJECT:"},
          {1060, "Ovalis"},
          {1061, "12A"},
          {1062, "3"},
          {1063, "T1"},
          {1064, "TRUE"},
          {1065, "wind"},
          {1076, "TIMECODE_RATE:"},
          {1066, "25/1"},
          {1067, "NDF"},
          {1078, "FILE_UID:"},
          {1068, "U1"}},
         "Boom",
         "iXML fields"},
        {"a document without a SPEED element",
         "<BWFXML><TAKE>9</TAKE></BWFXML>",
         {{1062, "9"}, {1066, ""}, {1067, ""}, {1060, ""}},
         "<TAKE>9</TAKE>",
         "iXML fields"},
        {"a document that is not well formed",
         "<BWFXML><PROJECT>x</BWFXML>",
         {{1060, ""}, {1070, "PROJECT:"}, {1077, "TIMECODE_FLAG:"}},
         "Not well formed",
         "(no control)"},
    };
    for (const IxmlPageRow& row : rows) {
        SCOPED_TRACE(row.what);
        CChunk chunk;
        ASSERT_TRUE(chunk.SetData(reinterpret_cast<const BYTE*>(row.document.data()),
                                  static_cast<DWORD>(row.document.size())));
        CiXMLPropertyPage page;
        ASSERT_TRUE(page.Create(151, nullptr, &chunk));
        for (const auto& [nId, pText] : row.boxes) {
            EXPECT_EQ(ControlText(page, nId), pText) << nId;
        }
        const CString strDetails = ControlText(page, IDC_CHUNK_DETAILS);
        EXPECT_NE(strDetails.find(row.inDetails), CString::npos) << strDetails;
        EXPECT_EQ(strDetails.find(row.notInDetails), CString::npos) << strDetails;
        EXPECT_TRUE(page.UpdateChunk());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(chunk.Data()), chunk.DataSize()),
                  row.document);
    }
}

}  // namespace
