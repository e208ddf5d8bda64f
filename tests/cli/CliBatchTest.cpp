// Large batches: the results come in file order, each failure named in its place, and the same
// as for the files one at a time.

#include <gtest/gtest.h>

#include <sstream>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"

namespace {

using namespace clitest;

constexpr int kFiles = 300;

bool IsBroken(int i) {
    return i % 97 == 5;
}

class CliBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < kFiles; ++i) {
            testfiles::BextFields fields = SampleFields();
            fields.originator = "Station " + std::to_string(i);
            m_paths.push_back(m_dir.file("take" + std::to_string(i) + ".wav"));
            testfiles::writeFile(m_paths.back(),
                                 IsBroken(i) ? BrokenFile() : testfiles::BroadcastWave(fields));
        }
    }
    testfiles::TempDir m_dir;
    std::vector<std::string> m_paths;
};

TEST_F(CliBatchTest, JsonKeepsFileOrderAndNamesFailuresInPlace) {
    const QJsonArray files = InfoFiles(m_paths, 1);
    ASSERT_EQ(files.size(), kFiles);
    for (int i = 0; i < kFiles; ++i) {
        const QJsonObject file = files.at(i).toObject();
        EXPECT_EQ(file["path"].toString().toStdString(), m_paths[i]);
        if (IsBroken(i)) {
            EXPECT_TRUE(file.contains("error")) << i;
        } else {
            EXPECT_EQ(ChunkFields(file, "bext")["Originator"].toString().toStdString(),
                      "Station " + std::to_string(i));
        }
    }
    EXPECT_EQ(files.at(7), InfoFiles({m_paths[7]}).at(0));
}

TEST_F(CliBatchTest, TextAndFailuresComeInFileOrder) {
    std::vector<std::string> args{"info"};
    args.insert(args.end(), m_paths.begin(), m_paths.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1);
    std::size_t nAt = 0;
    for (int i = 0; i < kFiles; ++i) {
        nAt = result.out.find(m_paths[i] + "\n", nAt);
        ASSERT_NE(nAt, std::string::npos) << m_paths[i];
    }
    std::istringstream errors(result.err);
    std::string line;
    std::vector<std::string> failed;
    while (std::getline(errors, line)) {
        if (line.rfind("ovalis-cli: /", 0) == 0) {
            failed.push_back(line.substr(12, line.find(": ", 12) - 12));
        }
    }
    std::vector<std::string> expected;
    for (int i = 0; i < kFiles; ++i) {
        if (IsBroken(i)) {
            expected.push_back(m_paths[i]);
        }
    }
    EXPECT_EQ(failed, expected);
}

TEST_F(CliBatchTest, ExportGivesARowPerFileInOrder) {
    std::vector<std::string> args{"export", "--csv"};
    args.insert(args.end(), m_paths.begin(), m_paths.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1);
    std::size_t nAt = 0;
    for (int i = 0; i < kFiles; ++i) {
        if (!IsBroken(i)) {
            nAt = result.out.find("\r\n" + m_paths[i] + ",", nAt);
            ASSERT_NE(nAt, std::string::npos) << m_paths[i];
        }
    }
}

}  // namespace
