// The fmt chunk: which page each format tag gets, and the bytes a save writes back.

#include "format/fmtChunk.h"

#include <QLabel>
#include <QWidget>

#include "FormatChunkFixture.h"

namespace {

using testfiles::BoxText;
using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::IsBoxReadOnly;
using testfiles::SetBoxText;

enum class PageKind { NotSupported, Pcm, Mpeg };

struct PageChoiceCase {
    const char* name;
    Bytes payload;
    PageKind expected;
};

Bytes Record(WORD wTag, std::size_t nSize) {
    Bytes bytes = ByteBuilder().le16(wTag).le16(2).le32(44100).le32(176400).le16(4).le16(16);
    bytes.resize(nSize, 0x5A);
    return bytes;
}

class FmtPageChoiceTest : public ChunkFixture<CfmtChunk>,
                          public ::testing::WithParamInterface<PageChoiceCase> {};

TEST_P(FmtPageChoiceTest, PicksThePageByTagAndWritesTheChunkBackUnchanged) {
    CfmtChunk& chunk = Load("fmt ", GetParam().payload);
    CChunkPage* const pages[] = {&chunk.m_fmtPage, &chunk.m_pcmPage, &chunk.m_mpegPage};
    CChunkPage* pExpected = pages[static_cast<int>(GetParam().expected)];
    CChunkPage* pPage = chunk.CreatePage(nullptr);
    EXPECT_EQ(pPage, pExpected);
    EXPECT_FALSE(pPage->IsWindowless());
    EXPECT_EQ(chunk.CreatePage(nullptr), pPage);
    const int nWindows = !chunk.m_fmtPage.IsWindowless() + !chunk.m_pcmPage.IsWindowless() +
                         !chunk.m_mpegPage.IsWindowless();
    EXPECT_EQ(nWindows, 1);
    if (GetParam().expected == PageKind::NotSupported) {
        auto* pLabel = pPage->GetSafeHwnd()->findChild<QLabel*>();
        ASSERT_NE(pLabel, nullptr);
        EXPECT_EQ(pLabel->text().toStdString(), "Not supported WAVE format.");
    }
    EXPECT_EQ(Saved(), AsChunk("fmt ", GetParam().payload));
    EXPECT_TRUE(m_messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tags, FmtPageChoiceTest,
    ::testing::Values(PageChoiceCase{"Pcm16", Record(1, 16), PageKind::Pcm},
                      PageChoiceCase{"Pcm18", Record(1, 18), PageKind::Pcm},
                      PageChoiceCase{"PcmShort6", Record(1, 6), PageKind::Pcm},
                      PageChoiceCase{"Mpeg40", Record(0x50, 40), PageKind::Mpeg},
                      PageChoiceCase{"MpegShort18", Record(0x50, 18), PageKind::Mpeg},
                      PageChoiceCase{"MpegShort21", Record(0x50, 21), PageKind::Mpeg},
                      PageChoiceCase{"Float", Record(3, 18), PageKind::NotSupported},
                      PageChoiceCase{"Adpcm", Record(2, 50), PageKind::NotSupported},
                      PageChoiceCase{"Mp3", Record(0x55, 30), PageKind::NotSupported},
                      PageChoiceCase{"Extensible", Record(0xFFFE, 40), PageKind::NotSupported},
                      PageChoiceCase{"TagHighByteSet", Record(0x0101, 18), PageKind::NotSupported},
                      PageChoiceCase{"OneByte", Bytes{1}, PageKind::NotSupported},
                      PageChoiceCase{"Empty", Bytes{}, PageKind::NotSupported}),
    [](const auto& info) { return std::string(info.param.name); });

using FmtChunkTest = ChunkFixture<CfmtChunk>;

TEST_F(FmtChunkTest, IsNamedAndDescribedAsAFormatChunk) {
    CfmtChunk& chunk = Load("fmt ", Record(1, 18));
    EXPECT_EQ(chunk.m_strName, "fmt ");
    EXPECT_EQ(chunk.GetDescription(), "Format Chunk\r\nckid = fmt \r\ncksize = 12\r\n\r\n");
}

TEST_F(FmtChunkTest, KeepsBytesBeyondTheMpegRecordOnSave) {
    Bytes payload = Record(0x50, 40);
    const Bytes tail = {0xDE, 0xAD, 0xBE, 0xEF, 0x01};
    payload.insert(payload.end(), tail.begin(), tail.end());
    Load("fmt ", payload);
    SetBoxText(Page(), 1040, "5");  // dwPTSHigh, the record's last field

    Bytes expected = payload;
    expected[36] = 5;
    expected[37] = expected[38] = expected[39] = 0;
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
}

TEST_F(FmtChunkTest, ASizeZeroChunkHasNoPayloadAndWritesItsHeaderOnly) {
    CfmtChunk& chunk = Load("fmt ", {});
    EXPECT_EQ(chunk.Data(), nullptr);
    EXPECT_EQ(chunk.CreatePage(nullptr), &chunk.m_fmtPage);
    EXPECT_EQ(Saved(), ByteBuilder().text("fmt ").le32(0).bytes());
}

}  // namespace
