// One value typed in the window's pages (the question before a save), in a table cell and given
// to ovalis-cli set meets one rule: stored, refused for the same reason, or cut with the same
// words, and a rate change that leaves the derived values disagreeing is named alike.

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "app/SaveQuestion.h"
#include "cli/CliRunner.h"
#include "cli/CliTestFiles.h"
#include "format/ChunkOnDisk.h"
#include "format/FormatRecord.h"
#include "pages/ChunkPage.h"
#include "pages/PagedChunk.h"
#include "pages/RiffChunk.h"
#include "table/CellRules.h"

namespace {

using namespace clitest;

enum class Outcome { Stored, Refused, Cut };

struct Row {
    const char* pszName;
    int nBox;  // the page's box of the value
    std::string text;
    Outcome outcome;
    // The reasons named: why it was refused, what was cut, which derived values disagree.
    std::vector<std::string> reasons;
};

std::string Accented() {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "\xC3\xA9";  // é, two bytes in UTF-8
    }
    return text;
}

// The fixture holds bext, a PCM fmt of 2 channels of 24 bits at 48000, fact, mext and data.
const Row kRows[] = {
    {"OriginationDate",
     1013,
     "2018-02-30",
     Outcome::Refused,
     {"OriginationDate=2018-02-30: not a calendar date (yyyy-mm-dd)"}},
    {"OriginationDate",
     1013,
     "31.12.2018",
     Outcome::Refused,
     {"OriginationDate=31.12.2018: not a calendar date (yyyy-mm-dd)"}},
    {"OriginationTime",
     1014,
     "25:61:00",
     Outcome::Refused,
     {"OriginationTime=25:61:00: not a clock time (hh:mm:ss)"}},
    {"OriginationDate", 1013, "2018-12-31", Outcome::Stored, {}},
    {"OriginationTime", 1014, "23:59:59", Outcome::Stored, {}},
    {"Originator",
     1011,
     Accented(),
     Outcome::Cut,
     {"Originator: 40 bytes; the field holds 32, so the text is cut to fit"}},
    {"Description",
     1009,
     std::string(300, 'd'),
     Outcome::Cut,
     {"Description: 300 bytes; the field holds 256, so the text is cut to fit"}},
    {"FrameSize",
     1017,
     "70000",
     Outcome::Cut,
     {"FrameSize: 70000 is more than its 2 bytes hold, so 4464 is stored"}},
    {"dwSampleLength",
     1004,
     "4294967296",
     Outcome::Cut,
     {"dwSampleLength: 4294967296 is more than its 4 bytes hold, so 4294967295 is stored"}},
    {"nSamplesPerSec",
     formatcontrols::kSamplesPerSec,
     "44100",
     Outcome::Stored,
     {"nAvgBytesPerSec is 288000; 44100 samples a second of 6 bytes make 264600"}},
    {"nSamplesPerSec", formatcontrols::kSamplesPerSec, "48000", Outcome::Stored, {}},
};

std::string Joined(const std::vector<std::string>& reasons) {
    std::string joined;
    for (const std::string& reason : reasons) {
        joined += (joined.empty() ? "" : "; ") + reason;
    }
    return joined;
}

class ValueRuleFacesTest : public CliFilesTest {
protected:
    std::unique_ptr<CRiffChunk> Load(const std::string& path) {
        auto root = std::make_unique<CRiffChunk>();
        EXPECT_TRUE(root->Load(path));
        return root;
    }

    // The problems the window's question names once the text is typed into the row's box.
    std::vector<std::string> WindowProblems(const Row& row) {
        CWnd host;
        host.Attach(new QWidget, true);
        const auto root = Load(Write("window.wav", FileWithEveryFieldPage()));
        bool bTyped = false;
        for (CObject* pObject : *root) {
            CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(pObject), &host);
            if (CWnd* pBox = pPage ? pPage->GetDlgItem(row.nBox) : nullptr; pBox && !bTyped) {
                pBox->SetWindowText(row.text);
                bTyped = true;
            }
        }
        EXPECT_TRUE(bTyped) << row.nBox;
        std::vector<std::string> problems;
        for (const CString& strProblem : TypedValueProblemsOf(*root)) {
            problems.push_back(strProblem);
        }
        return problems;
    }
};

TEST_F(ValueRuleFacesTest, WindowTableAndSetGiveOneAnswer) {
    testfiles::MessageRecorder messages;
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.pszName) + "=" + row.text);
        const bool bNamed = row.outcome != Outcome::Stored;

        EXPECT_EQ(WindowProblems(row), row.reasons);

        const auto cellRoot = Load(Write("cell.wav", FileWithEveryFieldPage()));
        const ValueOutcome cell = SetCellValue(*cellRoot, row.pszName, row.text);
        EXPECT_EQ(cell.problem, row.outcome == Outcome::Refused ? Joined(row.reasons) : "");
        EXPECT_EQ(cell.note, row.outcome == Outcome::Refused ? "" : Joined(row.reasons));

        const std::string path = Write("set.wav", FileWithEveryFieldPage());
        const CliResult set = RunCli({"set", std::string(row.pszName) + "=" + row.text, path});
        EXPECT_EQ(set.exitCode, row.outcome == Outcome::Refused ? 1 : 0) << set.err;
        for (const std::string& reason : row.reasons) {
            const std::string said = row.outcome == Outcome::Refused ? ": " : ": note: ";
            EXPECT_NE(set.err.find(said + reason), std::string::npos) << set.err;
        }
        EXPECT_EQ(set.err.empty(), !bNamed && row.reasons.empty()) << set.err;
    }
    EXPECT_TRUE(messages.messages().empty());
}

// A text longer than its box may hold is cut as it is typed: the box keeps what the field keeps,
// the same that set and a cell store and name.
TEST_F(ValueRuleFacesTest, OneLineBoxTakesNoMoreCharactersThanItsFieldHolds) {
    const std::string longText = "An originator forty characters long ....";
    const Row row{"Originator", 1011, longText, Outcome::Cut, {}};
    EXPECT_TRUE(WindowProblems(row).empty());

    CWnd host;
    host.Attach(new QWidget, true);
    const auto root = Load(Write("box.wav", FileWithEveryFieldPage()));
    CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(*root->begin()), &host);
    ASSERT_NE(pPage, nullptr);
    pPage->GetDlgItem(1011)->SetWindowText(longText);
    EXPECT_EQ(pPage->GetDlgItem(1011)->GetWindowText(), longText.substr(0, 32));

    const auto cellRoot = Load(Write("cell.wav", FileWithEveryFieldPage()));
    EXPECT_EQ(SetCellValue(*cellRoot, "Originator", longText).note,
              "Originator: 40 bytes; the field holds 32, so the text is cut to fit");
}

// Go back leaves the file as it was; Save as typed stores what the pages hold.
TEST_F(ValueRuleFacesTest, QuestionNamesEveryProblemOnce) {
    const std::vector<CString> problems = {"OriginationDate=2018-02-30: not a calendar date",
                                           "nAvgBytesPerSec is 1; 1 samples a second of 1 bytes "
                                           "make 1"};
    const CString strQuestion = SaveAsTypedQuestion(problems);
    for (const CString& strProblem : problems) {
        EXPECT_EQ(strQuestion.find(strProblem), strQuestion.rfind(strProblem));
        EXPECT_NE(strQuestion.find("- " + strProblem), CString::npos);
    }
    EXPECT_NE(strQuestion.find("Save as typed"), CString::npos);
    EXPECT_NE(strQuestion.find("Go back"), CString::npos);
}

}  // namespace
