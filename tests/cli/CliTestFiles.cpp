#include "CliTestFiles.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QWidget>
#include <memory>

#include "CliRunner.h"
#include "format/ChunkOnDisk.h"
#include "pages/ChunkPage.h"
#include "pages/RiffChunk.h"

namespace clitest {

testfiles::BextFields SampleFields() {
    return {.description = "A description of the take",
            .originator = "Originating station",
            .originatorReference = "REF-0042-ORIG",
            .originationDate = "2024-05-06",
            .originationTime = "07:08:09",
            .timeReferenceLow = 0x12345678,
            .timeReferenceHigh = 0x9ABCDEF0,
            .version = 1,
            .codingHistory = "A=PCM,F=48000,W=24,M=stereo,T=original\r\nA=PCM,F=48000,T=copy"};
}

Bytes FileWithEveryFieldPage() {
    const Bytes mext = testfiles::ByteBuilder().le16(5).le16(417).le16(2).le16(3).le32(4096);
    return testfiles::WaveFile({{"bext", testfiles::BextPayload(SampleFields())},
                                {"fmt ", testfiles::PcmFormat(2, 48000, 24, true)},
                                {"fact", testfiles::ByteBuilder().le32(8000)},
                                {"mext", mext},
                                {"data", Bytes(30, 7)}});
}

Bytes BrokenFile() {
    Bytes bytes = FileWithEveryFieldPage();
    bytes[3] = 'X';
    return bytes;
}

QJsonArray InfoFiles(const std::vector<std::string>& paths, int expectedExit) {
    std::vector<std::string> args{"info", "--json"};
    args.insert(args.end(), paths.begin(), paths.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, expectedExit) << result.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
    return document.object()["files"].toArray();
}

QJsonObject ChunkFields(const QJsonObject& file, const char* id) {
    for (const QJsonValue& chunk : file["chunks"].toArray()) {
        if (chunk.toObject()["id"].toString() == QLatin1String(id)) {
            return chunk.toObject()["fields"].toObject();
        }
    }
    ADD_FAILURE() << "no chunk " << id;
    return {};
}

void EditOnThePages(const std::string& path,
                    const std::vector<std::pair<int, std::string>>& boxes) {
    testfiles::MessageRecorder messages;
    CWnd host;
    host.Attach(new QWidget, true);
    auto root = std::make_unique<CRiffChunk>();
    ASSERT_TRUE(root->Load(path));
    std::vector<CChunkPage*> pages;
    for (CObject* pObject : *root) {
        if (CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(pObject), &host)) {
            pages.push_back(pPage);
        }
    }
    for (const auto& [nID, text] : boxes) {
        bool bTyped = false;
        for (CChunkPage* pPage : pages) {
            if (CWnd* pBox = pPage->GetDlgItem(nID); pBox && !bTyped) {
                pBox->SetWindowText(text);
                bTyped = true;
            }
        }
        ASSERT_TRUE(bTyped) << nID;
    }
    ASSERT_TRUE(root->Save(root->m_strOpenedPath));
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace clitest
