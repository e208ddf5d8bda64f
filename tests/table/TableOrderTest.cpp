// The order of the rows: the Check column by severity, numbers by value, names as read.

#include <gtest/gtest.h>

#include "table/CheckRunner.h"
#include "table/RowOrder.h"

namespace {

Finding Of(Severity severity) {
    return {severity, "rule", "bext", 0, "sentence."};
}

CString Summary(std::initializer_list<Severity> severities) {
    std::vector<Finding> findings;
    for (const Severity severity : severities) {
        findings.push_back(Of(severity));
    }
    return CheckSummary(CheckReport{findings, ""});
}

TEST(TableOrderTest, TheCheckColumnSortsBySeverityThenByCount) {
    using enum Severity;
    // Each summary sorts before the next.
    const CString ordered[] = {Summary({Error, Error}),
                               Summary({Error, Warning}),
                               Summary({Error}),
                               Summary({Warning, Warning, Warning}),
                               Summary({Warning, Note}),
                               Summary({Warning}),
                               Summary({Note, Note}),
                               Summary({Note}),
                               Summary({}),
                               CheckSummary(CheckReport{{}, "cancelled"}),
                               ""};
    for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
        EXPECT_TRUE(SortsBefore(CheckRank(ordered[i]), CheckRank(ordered[i + 1])))
            << ordered[i] << " before " << ordered[i + 1];
        EXPECT_FALSE(SortsBefore(CheckRank(ordered[i + 1]), CheckRank(ordered[i])))
            << ordered[i + 1] << " after " << ordered[i];
    }
}

TEST(TableOrderTest, CellsSortByNumberWhereTheyHoldNumbers) {
    const struct {
        const char* before;
        const char* after;
    } rows[] = {{"9", "10"},
                {"-23.5", "-5"},
                {"0.25", "1e3"},
                {"2", "abc"},
                {"take2.wav", "take10.wav"},
                {"Alpha", "beta"},
                {"0:00:09.500", "0:00:10.000"},
                {"9:00:00.000", "10:00:00.000"},
                {"zebra", ""},
                {"1", ""}};
    for (const auto& row : rows) {
        EXPECT_TRUE(SortsBefore(QString(row.before), QString(row.after)))
            << row.before << " before " << row.after;
        EXPECT_FALSE(SortsBefore(QString(row.after), QString(row.before)))
            << row.after << " after " << row.before;
    }
}

}  // namespace
