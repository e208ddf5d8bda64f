// Tables read and written as RFC 4180 has them.

#include <gtest/gtest.h>

#include "core/base/Csv.h"

namespace {

TEST(CliCsvTest, CellsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(CsvRecord({"plain", "", "a,b", "say \"hi\"", "one\r\ntwo", "lf\nonly"}),
              "plain,,\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\",\"lf\nonly\"\r\n");
}

TEST(CliCsvTest, WrittenRecordsReadBackCellForCell) {
    const std::vector<CsvRow> rows = {
        {"path", "Description", "CodingHistory"},
        {"a.wav", "Take 1, \"best\"", "A=PCM,F=48000\r\nA=PCM,T=copy\r\n"},
        {"b.wav", "", ""},
        {"c,d.wav", "\"", "\r\n"},
    };
    CString strText;
    for (const CsvRow& row : rows) {
        strText += CsvRecord(row);
    }
    CsvTable table;
    CString strError;
    ASSERT_TRUE(ParseCsv(strText, table, strError)) << strError;
    EXPECT_EQ(table.rows, rows);
    EXPECT_EQ(table.lines, (std::vector<int>{1, 2, 5, 6}));
}

struct ReadCase {
    const char* text;
    std::vector<CsvRow> rows;
};

class CliCsvReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CliCsvReadTest, GivesTheRows) {
    CsvTable table;
    CString strError;
    ASSERT_TRUE(ParseCsv(GetParam().text, table, strError)) << strError;
    EXPECT_EQ(table.rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliCsvReadTest,
                         ::testing::Values(ReadCase{"", {}}, ReadCase{"a,b", {{"a", "b"}}},
                                           ReadCase{"a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
                                           ReadCase{"\xEF\xBB\xBFpath,x\r\n", {{"path", "x"}}},
                                           ReadCase{"a\r\n\r\n\nb\r\n", {{"a"}, {"b"}}},
                                           ReadCase{"a,,\r\n", {{"a", "", ""}}},
                                           ReadCase{",\n", {{"", ""}}},
                                           ReadCase{"\"\"\"\",\"\"", {{"\"", ""}}}));

struct ErrorCase {
    const char* text;
    const char* error;
};

class CliCsvErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CliCsvErrorTest, NamesTheLineAndTheFault) {
    CsvTable table;
    CString strError;
    EXPECT_FALSE(ParseCsv(GetParam().text, table, strError));
    EXPECT_EQ(strError, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliCsvErrorTest,
    ::testing::Values(
        ErrorCase{"a,b\nc\"d\n", "line 2: a quote inside a cell that does not start with one"},
        ErrorCase{"a\n\"b\"c\n", "line 2: text after the closing quote of a cell"},
        ErrorCase{"a\n\"multi\nline\n", "line 2: a quoted cell is never closed"},
        ErrorCase{"\"x\r\ny\"\"z\"w", "line 2: text after the closing quote of a cell"}));

}  // namespace
