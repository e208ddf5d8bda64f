// A value whose result a later load could not read back is refused with the limit named, and
// the tree keeps what it held; a value just inside the limit is taken.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/edit/MetadataValues.h"
#include "core/edit/StoredFieldEdit.h"

namespace {

using namespace testfiles;

constexpr std::size_t kMiB = 1024 * 1024;

const char kIxml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BWFXML>\n\t<NOTE>old</NOTE>\n</BWFXML>\n";

struct Row {
    const char* name;
    const char* pszField;    // as set names it
    std::size_t nBytes;      // the value's length, of letters 'a'
    const char* pszRefused;  // part of the refusal, or null when the value is taken
};

const Row kRows[] = {
    {"iXML past 16 MiB", "IXML:NOTE", 16 * kMiB, "the iXML document would be "},
    {"iXML within 16 MiB", "IXML:NOTE", 15 * kMiB, nullptr},
    {"iXML past 16 MiB by escapes", "IXML:NOTE", 6 * kMiB, "past the 16 MiB Ovalis reads"},
    {"INFO past 64 MiB", "INFO:ICMT", 64 * kMiB, "the LIST INFO chunk would be "},
    {"coding history past 64 MiB", "CodingHistory", 64 * kMiB, "the bext chunk would be "},
};

// The row's value: letters, or for the escaped row ampersands, each stored as five bytes.
std::string ValueOf(const Row& row) {
    return std::string(row.nBytes,
                       std::string(row.name).find("escapes") != std::string::npos ? '&' : 'a');
}

CString Set(CRiffChunkModel& root, const Row& row, const std::string& value) {
    if (IsMetadataName(row.pszField)) {
        return SetMetadataValue(root, row.pszField, value, EditRules{}).problem;
    }
    std::vector<CString> notes;
    return StoreFieldValue(root, row.pszField, value, EditRules{}, notes);
}

}  // namespace

TEST(ReadBackLimitTest, AValueWhoseChunkCouldNotBeReadBackIsRefusedNamingTheLimit) {
    TempDir dir;
    writeFile(
        dir.file("take.wav"),
        WaveFile({{"bext", BextPayload(BextFields{.codingHistory = "A=PCM"})},
                  {"fmt ", PcmFormat(1, 48000, 16)},
                  {"iXML", Bytes(std::begin(kIxml), std::end(kIxml) - 1)},
                  {"data", Bytes(8, 1)},
                  {"LIST", ByteBuilder().text("INFO").text("ICMT").le32(4).text("old").zeros(1)}}));
    for (const Row& row : kRows) {
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(dir.file("take.wav")));
        const std::string value = ValueOf(row);
        const CString strProblem = Set(root, row, value);
        if (row.pszRefused == nullptr) {
            EXPECT_EQ(strProblem, "") << row.name;
            EXPECT_EQ(MetadataValue(root, row.pszField), value) << row.name;
            continue;
        }
        EXPECT_NE(strProblem.find(row.pszRefused), std::string::npos)
            << row.name << ": " << strProblem.substr(0, 200);
        EXPECT_LT(strProblem.size(), 300u) << row.name;
        if (IsMetadataName(row.pszField)) {
            EXPECT_EQ(MetadataValue(root, row.pszField), "old") << row.name;
        }
    }
}
