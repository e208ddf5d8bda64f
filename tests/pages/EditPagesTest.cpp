// The pages that edit a chunk's entries in place store only what was edited: the iXML fields'
// elements, the INFO entries changed or removed; a refused value is said and leaves the payload.

#include <gtest/gtest.h>

#include <QTableWidget>
#include <functional>
#include <string>

#include "SaveSupport.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/ChunkInsert.h"
#include "pages/ChunkPage.h"
#include "pages/EditTable.h"
#include "pages/PagedChunk.h"

namespace {

struct EditPageRow {
    const char* what;
    const char* id;
    std::string payload;
    std::function<void(CChunkPage&)> edit;
    std::string expected;
    const char* said;  // in the one message box a refusal shows; "" for none
};

std::string Entry(const std::string& id, const std::string& text) {
    const std::string bytes = text + '\0';
    std::string size = {char(bytes.size()), 0, 0, 0};
    return id + size + bytes + (bytes.size() % 2 ? std::string(1, '\0') : "");
}

const std::string kLatin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><BWFXML>";

TEST(EditPagesTest, OnlyTheEditedPartsChangeAndARefusalLeavesThePayload) {
    const auto typeInfo = [](int nRow, const char* pText) {
        return [=](CChunkPage& page) { TableOf(page)->item(nRow, 2)->setText(pText); };
    };
    const EditPageRow rows[] = {
        {"an iXML field", "iXML", "<BWFXML><SCENE>1</SCENE><TAKE>2</TAKE></BWFXML>",
         [](CChunkPage& page) { savetest::SetBoxText(page, 1061, "12A"); },
         "<BWFXML><SCENE>12A</SCENE><TAKE>2</TAKE></BWFXML>", ""},
        {"an iXML rate the document lacks", "iXML", "<BWFXML>\n\t<TAKE>2</TAKE>\n</BWFXML>",
         [](CChunkPage& page) { savetest::SetBoxText(page, 1069, "48000"); },
         "<BWFXML>\n\t<TAKE>2</TAKE>\n\t<SPEED><FILE_SAMPLE_RATE>48000</FILE_SAMPLE_RATE></SPEED>"
         "\n</BWFXML>",
         ""},
        {"a text the document's encoding cannot hold", "iXML", kLatin1 + "</BWFXML>",
         [](CChunkPage& page) { savetest::SetBoxText(page, 1061, "Sz\xC3\xA9ne"); },
         kLatin1 + "</BWFXML>", "iXML SCENE"},
        {"an INFO text", "LIST", "INFO" + Entry("INAM", "Title") + Entry("IART", "Ann"),
         typeInfo(1, "Bob"), "INFO" + Entry("INAM", "Title") + Entry("IART", "Bob"), ""},
        {"an INFO entry removed", "LIST", "INFO" + Entry("INAM", "Title") + Entry("IART", "Ann"),
         [](CChunkPage& page) {
             TableOf(page)->selectRow(0);
             savetest::ClickButton(page, IDC_TABLE_REMOVE);
         },
         "INFO" + Entry("IART", "Ann"), ""},
        {"an ICRD that is no date", "LIST", "INFO" + Entry("ICRD", "2024-05-01"),
         typeInfo(0, "May"), "INFO" + Entry("ICRD", "2024-05-01"), "INFO ICRD (Creation date)"},
    };
    for (const EditPageRow& row : rows) {
        SCOPED_TRACE(row.what);
        savetest::MessageLog log;
        CRiffChunkModel root;
        CChunk* pChunk = AddChunk(root, row.id, row.payload, ChunkPlace::Last);
        ASSERT_NE(pChunk, nullptr);
        CChunkPage* pPage = CreatePageOf(pChunk, nullptr);
        ASSERT_NE(pPage, nullptr);
        row.edit(*pPage);
        EXPECT_TRUE(pPage->UpdateChunk());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(pChunk->Data()), pChunk->DataSize()),
                  row.expected);
        ASSERT_EQ(log.messages.size(), *row.said ? 1u : 0u);
        if (*row.said) {
            EXPECT_NE(log.messages[0].text.find(row.said), CString::npos) << log.messages[0].text;
        }
    }
}

}  // namespace
