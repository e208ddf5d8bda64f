// The broadcast extension page: fields shown from their offsets, texts stored back at their
// widths, numbers and reserved bytes never written, the overview text rebuilt.

#include <gtest/gtest.h>

#include <QTest>
#include <cstring>

#include "BEXTPageFixture.h"
#include "pages/Overview.h"

namespace {

using bwftest::BEXTPageTest;
using bwftest::BoxText;
using bwftest::Bytes;
using bwftest::Field;
using bwftest::Slice;
using bwftest::Type;

TEST_F(BEXTPageTest, EveryFieldIsShownFromItsOffset) {
    Show(bwftest::DistinctPayload());
    const std::pair<int, CString> expected[] = {
        {1009, "A description of the take"},
        {1011, "Originating station"},
        {1010, "REF-0042-ORIG"},
        {1013, "2024-05-06"},
        {1014, "07:08:09"},
        {1015, "12345678"},
        {1008, "9ABCDEF0"},
        {1016, "2"},
        {1012, "A=PCM,F=48000,W=24,M=stereo,T=original"},
    };
    for (const auto& [nID, text] : expected) {
        EXPECT_EQ(BoxText(Page(), nID), text) << "box " << nID;
    }
}

TEST_F(BEXTPageTest, FieldWithoutZeroStopsAtItsWidth) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.description = std::string(255, 'd') + "D";
    fields.originationDate = "2024-05-06";  // all ten bytes, the time follows at once
    Show(testfiles::BextPayload(fields));
    EXPECT_EQ(BoxText(Page(), 1009), fields.description);
    EXPECT_EQ(BoxText(Page(), 1013), "2024-05-06");
}

struct WidthCase {
    int nID;
    std::size_t nOffset;
    std::size_t nWidth;
};

TEST_F(BEXTPageTest, TypedTextsAreStoredAtTheirWidths) {
    constexpr std::size_t kHistory = 40;
    const WidthCase cases[] = {{1009, 0, 256},  {1011, 256, 32}, {1010, 288, 32},
                               {1013, 320, 10}, {1014, 330, 8},  {1012, 602, kHistory}};
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.codingHistory = std::string(kHistory, 'h');
    for (const WidthCase& c : cases) {
        for (const std::size_t nTyped : {c.nWidth, c.nWidth - 1, c.nWidth + 5}) {
            const Bytes before = testfiles::BextPayload(fields);
            Show(before);
            const std::string typed(nTyped, 'x');
            Type(Page(), c.nID, typed.c_str());
            const Bytes after = Saved();
            ASSERT_EQ(after.size(), before.size());
            EXPECT_EQ(Slice(after, c.nOffset, c.nWidth), Field(typed.substr(0, c.nWidth), c.nWidth))
                << "box " << c.nID << ", " << nTyped << " characters";
            EXPECT_EQ(Slice(after, c.nOffset + c.nWidth, after.size() - c.nOffset - c.nWidth),
                      Slice(before, c.nOffset + c.nWidth, after.size() - c.nOffset - c.nWidth))
                << "box " << c.nID << " ran into the next field";
        }
    }
}

TEST_F(BEXTPageTest, FortyCharactersInTheOriginatorKeepTheFirst32) {
    Show(bwftest::DistinctPayload());
    const std::string typed = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    Type(Page(), 1011, typed.c_str());
    const Bytes saved = Saved();
    EXPECT_EQ(Slice(saved, 256, 32), Field(typed.substr(0, 32), 32));
    Show(saved);
    EXPECT_EQ(BoxText(Page(), 1011), typed.substr(0, 32));
}

// The box and the overview leave the white space out; an unedited save keeps it in the file, so
// that the coding history's last line still ends in CR LF.
TEST_F(BEXTPageTest, TrailingWhiteSpaceLeavesBoxAndOverviewButNotTheSavedBytes) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.description = "Spoken word \t\v\f\r\n ";
    fields.codingHistory = "A=PCM,F=48000\r\nA=MPEG1L2,F=48000\r\n";
    const Bytes payload = testfiles::BextPayload(fields);
    Show(payload);
    EXPECT_EQ(BoxText(Page(), 1009), "Spoken word");
    EXPECT_EQ(QString::fromStdString(BoxText(Page(), 1012)),
              QStringLiteral("A=PCM,F=48000\nA=MPEG1L2,F=48000"));
    EXPECT_EQ(g_strOverview,
              "Broadcast Wave Format file:\r\n\r\nDescription:\r\nSpoken word\r\n\r\n"
              "Coding History:\r\nA=PCM,F=48000\r\nA=MPEG1L2,F=48000\r\n\r\n");
    EXPECT_EQ(Saved(), payload);
}

TEST_F(BEXTPageTest, OnlyTheSixAsciiCharactersCountAsTrailingWhiteSpace) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.description = "Caf\xC3\xA9\xC2\xA0";  // ends in a no-break space
    fields.codingHistory = "T=x\x85";            // Windows-1252 ellipsis
    const Bytes payload = testfiles::BextPayload(fields);
    Show(payload);
    EXPECT_EQ(Page().m_strDescription, "Caf\xC3\xA9\xC2\xA0");
    EXPECT_EQ(BoxText(Page(), 1012), "T=x\xE2\x80\xA6");
    EXPECT_NE(g_strOverview.find("Caf\xC3\xA9\xC2\xA0\r\n"), CString::npos);
    EXPECT_EQ(Saved(), payload);
}

TEST_F(BEXTPageTest, TimeReferenceIsShownInUpperCaseHexadecimal) {
    const std::pair<std::uint32_t, CString> cases[] = {
        {0, "0"}, {4096, "1000"}, {4294967295u, "FFFFFFFF"}, {0xabcdef, "ABCDEF"}};
    for (const auto& [value, shown] : cases) {
        testfiles::BextFields fields = bwftest::DistinctFields();
        fields.timeReferenceLow = value;
        fields.timeReferenceHigh = value;
        Show(testfiles::BextPayload(fields));
        EXPECT_EQ(BoxText(Page(), 1015), shown);
        EXPECT_EQ(BoxText(Page(), 1008), shown);
    }
}

TEST_F(BEXTPageTest, StoredVersionIsShown) {
    const std::pair<std::uint16_t, CString> cases[] = {{0, "0"}, {1, "1"}, {2, "2"}, {258, "258"}};
    for (const auto& [wVersion, shown] : cases) {
        testfiles::BextFields fields = bwftest::DistinctFields();
        fields.version = wVersion;
        Show(testfiles::BextPayload(fields));
        EXPECT_EQ(BoxText(Page(), 1016), shown);
    }
}

TEST_F(BEXTPageTest, NumbersVersionAndReservedBytesAreNeverWritten) {
    const Bytes before = bwftest::DistinctPayload();
    Show(before);
    Type(Page(), 1015, "FFFF");
    Type(Page(), 1008, "not a number");
    Type(Page(), 1016, "9.9");
    Type(Page(), 1009, "New description");
    Type(Page(), 1012, "A=PCM");
    const Bytes saved = Saved();
    EXPECT_EQ(Slice(saved, 338, 264), Slice(before, 338, 264));
    EXPECT_EQ(Slice(saved, 0, 256), Field("New description", 256));
}

TEST_F(BEXTPageTest, SavingKeepsTheChunkSize) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.codingHistory = std::string(57, 'c');  // an odd size: 602 + 57
    Show(testfiles::BextPayload(fields));
    Type(Page(), 1012, std::string(300, 'n').c_str());
    Type(Page(), 1009, "Short");
    Page().UpdateChunk();
    const Bytes written = bwftest::WrittenChunk(*m_chunk);
    ASSERT_EQ(written.size(), 8u + 659 + 1);
    EXPECT_EQ(Slice(written, 4, 4), (Bytes{0x93, 0x02, 0, 0}));
    EXPECT_EQ(m_chunk->m_ck.cksize, 659u);
}

TEST_F(BEXTPageTest, UneditedSaveKeepsWhatFollowsTheFirstZeroByte) {
    Bytes payload = bwftest::DistinctPayload();
    const std::string junk("AB\0leftover", 11);
    std::copy(junk.begin(), junk.end(), payload.begin() + 256);
    Show(payload);
    EXPECT_EQ(Saved(), payload);
}

struct OneEditRow {
    int nID;
    const char* typed;
    std::size_t offset;  // of the field's bytes that may change
    std::size_t width;
};

// An edit changes the bytes of its own field and no other, whatever the others hold.
TEST_F(BEXTPageTest, AnEditOfOneFieldChangesOnlyThatFieldsBytes) {
    Bytes payload = bwftest::DistinctPayload();
    const std::string junk("AB\0leftover", 11);
    std::copy(junk.begin(), junk.end(), payload.begin() + 288);
    payload[255] = ' ';
    const OneEditRow rows[] = {
        {1009, "Edited", 0, 256},   {1011, "Someone", 256, 32},
        {1010, "REF", 288, 32},     {1013, "2025-01-01", 320, 10},
        {1014, "10:11:12", 330, 8}, {1012, "A=PCM", 602, payload.size() - 602},
    };
    for (const OneEditRow& row : rows) {
        SCOPED_TRACE(row.nID);
        Show(payload);
        Type(Page(), row.nID, row.typed);
        Bytes saved = Saved();
        ASSERT_EQ(saved.size(), payload.size());
        EXPECT_NE(Slice(saved, row.offset, row.width), Slice(payload, row.offset, row.width));
        std::copy_n(payload.begin() + static_cast<std::ptrdiff_t>(row.offset), row.width,
                    saved.begin() + static_cast<std::ptrdiff_t>(row.offset));
        EXPECT_EQ(saved, payload);
    }
}

struct BreakStyleRow {
    const char* what;
    const char* history;
    const char* stored;  // after the edit, the field's width
};

TEST_F(BEXTPageTest, EditedCodingHistoryKeepsItsLineBreakStyle) {
    const BreakStyleRow rows[] = {
        {"CR LF", "A=PCM,F=48000\r\nA=PCM,F=44100\r\n", "A=PCM,F=48000\r\nT=edited\0\0\0\0\0\0\0"},
        {"LF only", "A=PCM,F=48000\nA=PCM,F=44100\n", "A=PCM,F=48000\nT=edited\0\0\0\0\0\0"},
        {"CR only", "A=PCM,F=48000\rA=PCM,F=44100\r", "A=PCM,F=48000\rT=edited\0\0\0\0\0\0"},
    };
    for (const BreakStyleRow& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::BextFields fields = bwftest::DistinctFields();
        fields.codingHistory = row.history;
        Show(testfiles::BextPayload(fields));
        Type(Page(), 1012, "A=PCM,F=48000");
        QTest::keyClick(bwftest::Box(Page(), 1012), Qt::Key_Return);
        QTest::keyClicks(bwftest::Box(Page(), 1012), QStringLiteral("T=edited"));
        const Bytes saved = Saved();
        const std::size_t nWidth = std::strlen(row.history);
        EXPECT_EQ(Slice(saved, 602, saved.size() - 602), Bytes(row.stored, row.stored + nWidth));
    }
}

TEST_F(BEXTPageTest, PageThatWasNeverCreatedStoresNothing) {
    const Bytes payload = bwftest::DistinctPayload();
    m_chunk = bwftest::ReadChunk<CBEXTChunk>(payload, "bext");
    EXPECT_TRUE(Page().UpdateChunk());
    EXPECT_EQ(bwftest::Payload(*m_chunk), payload);
}

TEST_F(BEXTPageTest, TwoChunksEachHaveTheirOwnPageAndTheSecondWritesTheOverview) {
    testfiles::BextFields first = bwftest::DistinctFields();
    testfiles::BextFields second = bwftest::DistinctFields();
    first.description = "First";
    second.description = "Second";
    second.codingHistory = "A=PCM,T=second";
    auto chunkA = bwftest::ReadChunk<CBEXTChunk>(testfiles::BextPayload(first), "bext");
    auto chunkB = bwftest::ReadChunk<CBEXTChunk>(testfiles::BextPayload(second), "bext");
    CChunkPage* pPageA = chunkA->CreatePage(nullptr);
    CChunkPage* pPageB = chunkB->CreatePage(nullptr);
    ASSERT_NE(pPageA, pPageB);
    EXPECT_EQ(BoxText(*pPageA, 1009), "First");
    EXPECT_EQ(BoxText(*pPageB, 1009), "Second");
    EXPECT_EQ(g_strOverview,
              "Broadcast Wave Format file:\r\n\r\nDescription:\r\nSecond\r\n\r\n"
              "Coding History:\r\nA=PCM,T=second\r\n\r\n");
    Type(*pPageA, 1011, "Edited A");
    Type(*pPageB, 1011, "Edited B");
    pPageA->UpdateChunk();
    pPageB->UpdateChunk();
    EXPECT_EQ(Slice(bwftest::Payload(*chunkA), 256, 32), Field("Edited A", 32));
    EXPECT_EQ(Slice(bwftest::Payload(*chunkB), 256, 32), Field("Edited B", 32));
    EXPECT_EQ(Slice(bwftest::Payload(*chunkA), 0, 256), Field("First", 256));
}

TEST_F(BEXTPageTest, AskingForThePageAgainDoesNotRebuildTheOverview) {
    Show(bwftest::DistinctPayload());
    g_strOverview += "Audio line\r\n";
    const CString before = g_strOverview;
    m_chunk->CreatePage(nullptr);
    EXPECT_EQ(g_strOverview, before);
}

}  // namespace
