// What ovalis-cli writes can be trusted by the programs that read it: tables name their files
// wherever they are used, no cell runs as a spreadsheet formula, no text from a file drives the
// terminal, and a file name that is not UTF-8 can be found again from the JSON.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"
#include "TestFiles.h"

namespace {

using namespace clitest;
using testfiles::Bytes;

void WriteText(const std::string& path, const std::string& text) {
    testfiles::writeFile(path, Bytes(text.begin(), text.end()));
}

class CliTrustTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& description) {
        testfiles::BextFields fields = SampleFields();
        fields.description = description;
        const std::string path = m_dir.file(name);
        testfiles::writeFile(path, testfiles::BroadcastWave(fields));
        return path;
    }
    std::string Description(const std::string& path) {
        const CliResult result = RunCli({"info", "--json", path});
        const QJsonObject file =
            QJsonDocument::fromJson(QByteArray::fromStdString(result.out))["files"][0].toObject();
        for (const auto chunk : file["chunks"].toArray()) {
            if (chunk.toObject()["tab"] == "bext") {
                return chunk.toObject()["fields"]
                    .toObject()["Description"]
                    .toString()
                    .toStdString();
            }
        }
        return "(no bext)";
    }

    testfiles::TempDir m_dir;
};

TEST_F(CliTrustTest, ExportedTableEditsItsOwnFilesFromAnotherFolder) {
    std::filesystem::create_directories(m_dir.file("takes"));
    std::filesystem::create_directories(m_dir.file("elsewhere"));
    const std::string take = Write("takes/a.wav", "First");
    const std::string decoy = Write("elsewhere/a.wav", "Decoy");
    CliRun inTakes;
    inTakes.cwd = m_dir.file("takes");
    const CliResult exported = RunCli({"export", "--csv", "a.wav"}, inTakes);
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find("\n" + take + ","), std::string::npos) << exported.out;

    // A hand-made table with a relative name, imported from another folder.
    WriteText(m_dir.file("takes/edit.csv"), "path,Description\r\na.wav,Second\r\n");
    CliRun inElsewhere;
    inElsewhere.cwd = m_dir.file("elsewhere");
    const CliResult imported =
        RunCli({"import", "--csv", m_dir.file("takes/edit.csv")}, inElsewhere);
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(Description(take), "Second");
    EXPECT_EQ(Description(decoy), "Decoy");
}

struct FormulaRow {
    const char* description;
    const char* cell;  // as the table holds it
};

TEST_F(CliTrustTest, FormulaCellsAreQuotedAndComeBackAsTheyWent) {
    const FormulaRow rows[] = {
        {"=SUM(A1)", "'=SUM(A1)"}, {"+1", "'+1"},       {"-2 dB", "'-2 dB"},
        {"@ref", "'@ref"},         {"\tTab", "'\tTab"}, {"\rReturn", "\"'\r\nReturn\""},
        {"'=quoted", "''=quoted"}, {"''", "'''"},       {"'Tis a take", "'Tis a take"},
        {"Plain", "Plain"},
    };
    for (const FormulaRow& row : rows) {
        SCOPED_TRACE(row.description);
        const std::string path = Write("f.wav", row.description);
        const Bytes before = testfiles::readFile(path);
        const CliResult exported = RunCli({"export", "--csv", path});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_NE(exported.out.find(path + "," + row.cell + ","), std::string::npos)
            << exported.out;
        WriteText(m_dir.file("t.csv"), exported.out);
        const CliResult imported = RunCli({"import", "--csv", m_dir.file("t.csv")});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(testfiles::readFile(path), before);
    }
}

TEST_F(CliTrustTest, InfoTextEscapesWhatWouldDriveTheTerminal) {
    const std::string path = Write("esc.wav",
                                   "Take\x1B]0;owned\x07 \x1B[31mred\x1B[0m\r\nnext \xC2\x9B"
                                   "2J end");
    const CliResult result = RunCli({"info", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.find('\x1B'), std::string::npos);
    EXPECT_EQ(result.out.find('\x07'), std::string::npos);
    EXPECT_EQ(result.out.find("\xC2\x9B"), std::string::npos);
    EXPECT_NE(result.out.find("Description: Take\\x1B]0;owned\\x07 \\x1B[31mred\\x1B[0m\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("next \\u009B2J end"), std::string::npos) << result.out;
}

// The runner's arguments pass through Qt's text; a shell hands a name's bytes over as they are.
std::string RunWithName(const std::string& arguments, const std::string& name) {
    setenv("OVALIS_TEST_NAME", name.c_str(), 1);
    const std::string command = "'" OVALIS_CLI_PATH "' " + arguments + " \"$OVALIS_TEST_NAME\"";
    std::string out;
    if (FILE* pPipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = fread(buffer, 1, sizeof buffer, pPipe)) {
            out.append(buffer, n);
        }
        pclose(pPipe);
    }
    unsetenv("OVALIS_TEST_NAME");
    return out;
}

TEST_F(CliTrustTest, NameThatIsNotUtf8IsFoundAgainFromTheJson) {
    const std::string path = Write("caf\xE9.wav", "Before");
    const std::string info = RunWithName("info --json", path);
    const QJsonObject file =
        QJsonDocument::fromJson(QByteArray::fromStdString(info))["files"][0].toObject();
    EXPECT_FALSE(file.contains("error")) << info;
    const std::string named =
        QByteArray::fromHex(file["path_bytes"].toString().toLatin1()).toStdString();
    EXPECT_EQ(named, path);
    RunWithName("set Description=After", named);
    EXPECT_EQ(testfiles::readFile(path).size(), testfiles::BroadcastWave(SampleFields()).size());
    const std::string after = RunWithName("info", named);
    EXPECT_NE(after.find("Description: After\n"), std::string::npos) << after;
    const QJsonObject plain = QJsonDocument::fromJson(QByteArray::fromStdString(
        RunCli({"info", "--json", Write("plain.wav", "x")}).out))["files"][0]
                                  .toObject();
    EXPECT_FALSE(plain.contains("path_bytes"));
}

}  // namespace
