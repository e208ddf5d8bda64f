// Values from file names by a pattern with named groups, and the dates from the files' times.

#include <sys/stat.h>

#include "core/edit/DateText.h"
#include "table/FillRules.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

struct PatternCase {
    const char* pattern;
    const char* problem;  // a part of the refusal, or empty
};

TEST(TableNameFillTest, PatternsNameValuesOfTheTable) {
    const PatternCase cases[] = {
        {"take(?<IXML:TAKE>\\d+)", ""},     {"(?<Originator>[a-z]+)(?<INFO:INAM>\\d+)", ""},
        {"take(\\d+)", "names no group"},   {"(?<Path>.*)", "not a value"},
        {"(?<Nonsense>.*)", "not a value"}, {"(?<Originator>[a-z", "not a regular expression"},
    };
    for (const PatternCase& row : cases) {
        NameFill fill;
        const QString strProblem = fill.Compile(row.pattern);
        EXPECT_EQ(strProblem.isEmpty(), *row.problem == '\0') << row.pattern;
        EXPECT_TRUE(strProblem.contains(row.problem))
            << row.pattern << ": " << strProblem.toStdString();
    }
}

TEST_F(TableTest, NamesAndFileTimesFillTheirValues) {
    OpenFolder(2);
    NameFill fill;
    ASSERT_TRUE(fill.Compile("(?<Originator>[a-z]+)0*(?<IXML:TAKE>\\d+)\\.wav").isEmpty());
    int nNoMatch = -1;
    m_window.Model().Edit(fill.Changes(m_window.Model(), {0, 1}, nNoMatch), "names");
    EXPECT_EQ(nNoMatch, 0);
    EXPECT_EQ(Cell(1, "Originator").data().toString(), "take");
    EXPECT_EQ(Cell(1, "IXML:TAKE").data().toString(), "1");

    int nUnread = -1;
    m_window.Model().Edit(DatesFromFiles(m_window.Model(), {1}, nUnread), "dates");
    struct stat status {};
    ASSERT_EQ(::stat(m_window.Model().File(1).strPath.c_str(), &status), 0);
    const auto [strDate, strTime] = LocalDateAndTime(status.st_mtime);
    EXPECT_EQ(Cell(1, "OriginationDate").data().toString().toStdString(), strDate);
    EXPECT_EQ(Cell(1, "OriginationTime").data().toString().toStdString(), strTime);
    EXPECT_EQ(Cell(0, "OriginationDate").data().toString(), "2020-01-02");
    EXPECT_EQ(m_window.UndoStack().count(), 2);
}

}  // namespace
}  // namespace tabletest
