// The MPEG audio extension chunk and page: five numbers shown from their offsets and stored back
// in place by the number rule, in the exchange order reserved first, sound information last.

#include <gtest/gtest.h>

#include "BwfTestHelpers.h"
#include "bwf/MEXTChunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "framework/MessageBox.h"

namespace {

using bwftest::BoxText;
using bwftest::Bytes;
using bwftest::IsReadOnly;
using bwftest::Type;
using testfiles::ByteBuilder;

// Sound information 5, frame size 417, ancillary length 3, ancillary definition 7, reserved
// bytes 00 10 00 00, then two extra bytes.
Bytes Payload14() {
    return ByteBuilder().le16(5).le16(417).le16(3).le16(7).le32(4096).text("XY");
}

class MEXTPageTest : public ::testing::Test {
protected:
    MEXTPageTest() {
        m_previousHook = SetMessageBoxHook([this](const CString& strText, UINT) {
            m_messages.push_back(strText);
            return 1;
        });
    }
    ~MEXTPageTest() override { SetMessageBoxHook(m_previousHook); }

    CChunkPage& Show(const Bytes& payload) {
        m_chunk = bwftest::ReadChunk<CMEXTChunk>(payload, "mext");
        return *m_chunk->CreatePage(nullptr);
    }
    CChunkPage& Page() { return m_chunk->m_page; }
    Bytes Saved() {
        Page().UpdateChunk();
        return bwftest::Payload(*m_chunk);
    }

    std::unique_ptr<CMEXTChunk> m_chunk;
    std::vector<CString> m_messages;
    MessageBoxHook m_previousHook;
};

TEST(MEXTChunkTest, ReadAlwaysLoadsAndDescribes) {
    std::unique_ptr<CChunk> created(g_chunkRegistry.CreateChunk("MEXT"));
    ASSERT_NE(dynamic_cast<CMEXTChunk*>(created.get()), nullptr);
    EXPECT_EQ(created->m_strName, "mext");
    auto chunk = bwftest::ReadChunk<CMEXTChunk>(Payload14(), "mext");
    ASSERT_NE(chunk->m_pMext, nullptr);
    EXPECT_EQ(chunk->m_pMext, chunk->Data());
    chunk->m_strName = "mext";
    EXPECT_EQ(chunk->GetDescription(),
              "Mpeg Audio Extension Chunk\r\nckid = mext\r\ncksize = E\r\n\r\n");
    EXPECT_EQ(bwftest::ReadChunk<CMEXTChunk>({}, "mext")->m_pMext, nullptr);
}

TEST_F(MEXTPageTest, FieldsAreShownFromTheirOffsetsAndWrittenBackUnchanged) {
    Show(Payload14());
    const std::pair<int, CString> expected[] = {
        {1016, "5"}, {1017, "417"}, {1005, "3"}, {1006, "7"}, {1007, "4096"}};
    for (const auto& [nID, text] : expected) {
        EXPECT_EQ(BoxText(Page(), nID), text) << "box " << nID;
    }
    EXPECT_EQ(Saved(), Payload14());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MEXTPageTest, TypedValuesAreStoredAndExtraBytesKept) {
    Show(Payload14());
    Type(Page(), 1017, "70000");
    Type(Page(), 1016, " 42 ");
    Type(Page(), 1007, "+305419896");
    EXPECT_EQ(Saved(),
              Bytes(ByteBuilder().le16(42).le16(4464).le16(3).le16(7).le32(0x12345678).text("XY")));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MEXTPageTest, LettersInFrameSizeStopTheExchangeThere) {
    Show(Payload14());
    Type(Page(), 1007, "11");
    Type(Page(), 1006, "22");
    Type(Page(), 1005, "33");
    Type(Page(), 1017, "abc");
    Type(Page(), 1016, "44");
    const Bytes saved = Saved();
    EXPECT_EQ(m_messages, std::vector<CString>{"Please enter a positive integer."});
    EXPECT_EQ(saved, Bytes(ByteBuilder().le16(5).le16(417).le16(33).le16(22).le32(11).text("XY")));
}

TEST_F(MEXTPageTest, RefusedTextsKeepTheStoredValue) {
    for (const char* text : {"-1", "12a", "", "  "}) {
        m_messages.clear();
        Show(Payload14());
        Type(Page(), 1016, text);
        EXPECT_EQ(Saved(), Payload14()) << '"' << text << '"';
        EXPECT_EQ(m_messages.size(), 1u) << '"' << text << '"';
    }
}

TEST_F(MEXTPageTest, ShortPayloadsUseOnlyTheWholeFields) {
    struct Case {
        std::size_t nSize;
        int nWhole;  // fields from offset 0 that lie wholly inside
    };
    const int ids[] = {1016, 1017, 1005, 1006, 1007};
    const CString shown[] = {"5", "417", "3", "7", "4096"};
    for (const Case c : {Case{0, 0}, Case{6, 3}, Case{12, 5}, Case{14, 5}}) {
        const Bytes full = Payload14();
        const Bytes before(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.nSize));
        Show(before);
        for (int i = 0; i < 5; ++i) {
            const bool bWhole = i < c.nWhole;
            EXPECT_EQ(BoxText(Page(), ids[i]), bWhole ? shown[i] : "") << c.nSize << " " << ids[i];
            EXPECT_EQ(IsReadOnly(Page(), ids[i]), !bWhole) << c.nSize << " " << ids[i];
            if (bWhole) {
                Type(Page(), ids[i], "257");
            }
        }
        const Bytes saved = Saved();
        ASSERT_EQ(saved.size(), c.nSize);
        for (std::size_t i = 0; i < c.nSize; ++i) {
            // 257 is 01 01 in a 16-bit field and 01 01 00 00 in the reserved one.
            const std::uint8_t typed = i < 10 ? 1 : 0;
            EXPECT_EQ(saved[i], i < 12 ? typed : before[i]) << c.nSize << " byte " << i;
        }
        EXPECT_TRUE(m_messages.empty());
    }
}

TEST_F(MEXTPageTest, InitialisationAssignsTheMembers) {
    Show(Payload14());
    auto& page = static_cast<CMEXTPropertyPage&>(Page());
    EXPECT_EQ(page.m_dwReserved, 4096u);
    EXPECT_EQ(page.m_wFrameSize, 417u);
    page.OnInitDialog();
    EXPECT_EQ(page.m_dwReserved, 4096u);
    EXPECT_EQ(page.m_wSoundInformation, 5u);
}

TEST_F(MEXTPageTest, PageThatWasNeverCreatedStoresNothing) {
    m_chunk = bwftest::ReadChunk<CMEXTChunk>(Payload14(), "mext");
    EXPECT_TRUE(Page().UpdateChunk());
    EXPECT_EQ(bwftest::Payload(*m_chunk), Payload14());
}

TEST_F(MEXTPageTest, PageIsCreatedHidden) {
    CWnd parent;
    parent.Attach(new QWidget, true);
    m_chunk = bwftest::ReadChunk<CMEXTChunk>(Payload14(), "mext");
    parent.GetSafeHwnd()->show();
    m_chunk->CreatePage(&parent);
    EXPECT_FALSE(Page().IsWindowVisible());
}

}  // namespace
