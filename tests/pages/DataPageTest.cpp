// The data page: its line, the samples' place and length, and the waveform drawn from the levl
// chunk at once or from the levels measured on a press, with what they found.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QtTest>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/PeakEnvelopeLevels.h"
#include "core/integrity/SamplePass.h"
#include "pages/WaveformView.h"
#include "pages/dataPropertyPage.h"

using namespace testfiles;

namespace {

// One second of 16-bit mono at 8 kHz, a quarter of full scale, with 40 frames of zeros in it.
Bytes Samples() {
    Bytes samples;
    for (int f = 0; f < 8000; ++f) {
        appendLe16(samples, static_cast<std::uint16_t>(f >= 4000 && f < 4040 ? 0
                                                       : f / 20 % 2          ? 8192
                                                                             : -8192));
    }
    return samples;
}

Bytes Envelope(const TempDir& dir) {
    const std::string plain = dir.file("plain.wav");
    writeFile(plain, WaveFile({{"fmt ", PcmFormat(1, 8000, 16)}, {"data", Samples()}}));
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(plain));
    const CString strPayload =
        PeakEnvelopePayload(*MeasureLevels(SampleSourceOf(root), {}).report, "");
    return Bytes(strPayload.begin(), strPayload.end());
}

}  // namespace

TEST(DataPageTest, DrawsTheLevlEnvelopeAtOnceAndMeasuresOnAPress) {
    const TempDir dir;
    const struct {
        const char* name;
        bool bLevl;
        const char* status;
    } rows[] = {
        {"with a levl chunk", true, "Drawn from the levl chunk"},
        {"without one", false, "No levl chunk"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ChunkSpec> chunks = {{"fmt ", PcmFormat(1, 8000, 16)}, {"data", Samples()}};
        if (row.bLevl) {
            chunks.push_back({"levl", Envelope(dir)});
        }
        const std::string path = dir.file("tone.wav");
        writeFile(path, WaveFile(chunks));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        CdataPropertyPage page;
        ASSERT_TRUE(page.Create(134, nullptr, root.DataChunk()));
        EXPECT_EQ(page.GetDlgItem(IDC_SAMPLE_FACTS)->GetWindowText(),
                  "Size 16,000 bytes at offset 44; 8,000 frames, 0:00:01.000");
        auto* pView = page.GetSafeHwnd()->findChild<CWaveformView*>();
        ASSERT_NE(pView, nullptr);
        EXPECT_EQ(pView->HasEnvelope(), row.bLevl);
        EXPECT_TRUE(pView->Status().startsWith(row.status)) << pView->Status().toStdString();

        qobject_cast<QPushButton*>(page.GetDlgItem(IDC_MEASURE_LEVELS)->GetSafeHwnd())->click();
        EXPECT_TRUE(
            QTest::qWaitFor([pView] { return !pView->Status().startsWith("Measuring"); }, 5000));
        EXPECT_EQ(pView->Status().toStdString(),
                  "1 finding: level-dropout. Right of each channel: peak | RMS.");
        EXPECT_EQ(pView->LevelTexts(), QStringList({"-12.0 | -12.1 dBFS"}));
        EXPECT_TRUE(pView->HasEnvelope());
    }
}
