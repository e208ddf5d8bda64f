#include "SaveSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>

#include <algorithm>
#include <chrono>

#include "framework/DialogTemplate.h"
#include "framework/Wnd.h"

namespace savetest {

namespace fs = std::filesystem;
using testfiles::ByteBuilder;
using testfiles::ChunkSpec;

Bytes Samples(std::size_t nSamples) {
    Bytes bytes(nSamples);
    for (std::size_t i = 0; i < nSamples; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

Bytes PcmWave(std::size_t nSamples) {
    return testfiles::WaveFile(
        {{"fmt ", testfiles::PcmFormat(2, 44100, 16)}, {"data", Samples(nSamples)}});
}

std::vector<NamedFile> WellFormedFiles() {
    const ChunkSpec fmt{"fmt ", testfiles::PcmFormat(1, 8000, 8)};
    const ChunkSpec data{"data", Samples(3001)};
    const Bytes info = ByteBuilder().text("INFO").text("INAM").le32(5).text("Title").zeros(1);
    // MPEG format record (40 bytes) followed by bytes no page shows.
    Bytes mpeg = testfiles::MpegFormat(
        {.samplesPerSec = 44100, .headEmphasis = 0, .ptsLow = 7, .ptsHigh = 9});
    testfiles::appendText(mpeg, "tail");
    testfiles::BextFields bext{.description = "Morning news",
                               .originator = "Studio 4",
                               .originatorReference = "REF-17",
                               .originationDate = "2024-05-06",
                               .originationTime = "07:08:09",
                               .timeReferenceLow = 4800000,
                               .timeReferenceHigh = 0,
                               .version = 1,
                               .codingHistory = "A=PCM,F=8000,W=8,M=mono,T=take"};
    return {
        {"pcm_list", testfiles::WaveFile({fmt, {"LIST", info}, data})},
        {"odd_unknown", testfiles::WaveFile({fmt, {"junk", ByteBuilder().text("abcde")}, data})},
        {"two_unknown", testfiles::WaveFile({{"abcd", ByteBuilder().text("1234")},
                                             fmt,
                                             {"WxYz", ByteBuilder().text("xyz")},
                                             data})},
        {"long_fmt", testfiles::WaveFile({{"fmt ", mpeg}, data})},
        {"fact", testfiles::WaveFile({fmt, {"fact", ByteBuilder().le32(3001).le32(99)}, data})},
        {"bext", testfiles::WaveFile({{"bext", testfiles::BextPayload(bext)}, fmt, data})},
    };
}

FileState StateOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return {testfiles::readFile(path), fs::last_write_time(path), status.st_ino,
            fs::status(path).permissions()};
}

void AgeFile(const std::string& path) {
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
}

void SetBoxText(CWnd& page, int nID, const CString& strText) {
    CWnd* pBox = page.GetDlgItem(nID);
    ASSERT_NE(pBox, nullptr) << "no box " << nID;
    pBox->SetWindowText(strText);
}

CString BoxText(const CWnd& page, int nID) {
    const CWnd* pBox = page.GetDlgItem(nID);
    return pBox ? pBox->GetWindowText() : CString("<no box>");
}

void ClickButton(CWnd& page, int nID) {
    CWnd* pButton = page.GetDlgItem(nID);
    ASSERT_NE(pButton, nullptr) << "no button " << nID;
    static_cast<QAbstractButton*>(pButton->GetSafeHwnd())->click();
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

MessageLog::MessageLog() {
    m_previous = SetMessageBoxHook([this](const CString& strText, UINT nType) {
        messages.push_back({strText, nType});
        return IDOK;
    });
}

MessageLog::~MessageLog() {
    SetMessageBoxHook(m_previous);
}

}  // namespace savetest
