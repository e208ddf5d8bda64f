// The real media player control on Qt Multimedia: it answers the automation calls, raises its
// error event with a readable description for a file it cannot open or decode, and lets go of
// its file completely when its path is emptied. No sound device is needed; nothing may hang.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>
#include <memory>

#include "RiffWriter.h"
#include "player/MediaPlayerControl.h"

namespace {

using testfiles::TempDir;

constexpr int kWaitMs = 15000;

struct Event {
    DISPID dispid;
    short nCode;
    CString strDescription;
};

// Whether this process holds the file open.
bool HoldsFile(const CString& strPath) {
    const std::filesystem::path target = std::filesystem::canonical(strPath);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == target) {
            return true;
        }
    }
    return false;
}

class MediaPlayerControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        control.reset(static_cast<MediaPlayerControl*>(MediaPlayerControl::Create(nullptr)));
        if (!control) {
            GTEST_SKIP() << "no multimedia backend on this machine";
        }
        control->SetEventSink([this](DISPID dispid, std::vector<COleVariant>& args) {
            events.push_back({dispid, std::get<short>(args.at(0)), std::get<CString>(args.at(1))});
        });
    }
    BOOL Put(DISPID dispid, COleVariant value) {
        COleVariant result;
        CString strError;
        return control->Invoke(dispid, DISPATCH_PROPERTYPUT, {std::move(value)}, &result,
                               &strError);
    }
    CString Path() {
        COleVariant result;
        CString strError;
        EXPECT_TRUE(control->Invoke(MediaPlayerControl::kDispFileName, DISPATCH_PROPERTYGET, {},
                                    &result, &strError));
        return std::get<CString>(result);
    }
    CString WriteSample() {
        const CString strPath = dir.file("tone.wav");
        testfiles::writeFile(strPath, testfiles::BroadcastWave(testfiles::BextFields(), 44100 * 4));
        return strPath;
    }

    TempDir dir;
    std::unique_ptr<MediaPlayerControl> control;
    std::vector<Event> events;
};

TEST_F(MediaPlayerControlTest, LoadsASampleWaveOrSaysWhyNot) {
    const CString strPath = WriteSample();
    ASSERT_TRUE(Put(MediaPlayerControl::kDispAutoStart, FALSE));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, strPath));
    EXPECT_EQ(Path(), strPath);
    const bool bSettled = QTest::qWaitFor(
        [&] { return control->MediaStatus() == QMediaPlayer::LoadedMedia || !events.empty(); },
        kWaitMs);
    ASSERT_TRUE(bSettled) << "status " << control->MediaStatus();
    if (!events.empty()) {
        EXPECT_EQ(events[0].dispid, MediaPlayerControl::kDispErrorEvent);
        EXPECT_NE(events[0].strDescription.find("tone.wav"), CString::npos);
    }
    // The startup flag is off: loading does not start playing.
    EXPECT_NE(control->PlaybackState(), QMediaPlayer::PlayingState);
}

TEST_F(MediaPlayerControlTest, ANameThatIsNotUtf8LoadsByItsBytes) {
    // Latin-1 "café.wav": the byte 0xE9 alone is no UTF-8.
    const CString strPath = dir.file("caf\xE9.wav");
    testfiles::writeFile(strPath, testfiles::BroadcastWave(testfiles::BextFields(), 44100 * 4));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispAutoStart, FALSE));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, strPath));
    EXPECT_EQ(Path(), strPath);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return control->MediaStatus() == QMediaPlayer::LoadedMedia || !events.empty(); },
        kWaitMs));
    EXPECT_EQ(control->MediaStatus(), QMediaPlayer::LoadedMedia);
    for (const Event& event : events) {
        ADD_FAILURE() << event.strDescription;
    }
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, CString()));
    EXPECT_FALSE(HoldsFile(strPath));
}

TEST_F(MediaPlayerControlTest, AnEmptyPathLetsGoOfTheFile) {
    const CString strPath = WriteSample();
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, strPath));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return control->MediaStatus() == QMediaPlayer::LoadedMedia || !events.empty(); },
        kWaitMs));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, CString()));
    EXPECT_EQ(Path(), CString());
    // At once: a save renames over the file right after emptying the path.
    EXPECT_FALSE(HoldsFile(strPath));
    // Nothing held: the file can be replaced at once, as a save does.
    std::filesystem::rename(strPath, dir.file("moved.wav"));
}

TEST_F(MediaPlayerControlTest, AFileThatCannotBeOpenedRaisesTheErrorEvent) {
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, dir.file("missing.wav")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.empty(); }, kWaitMs));
    EXPECT_EQ(events[0].dispid, MediaPlayerControl::kDispErrorEvent);
    EXPECT_NE(events[0].strDescription.find("Cannot open"), CString::npos);
    EXPECT_NE(events[0].strDescription.find("missing.wav"), CString::npos);
}

TEST_F(MediaPlayerControlTest, AFileThatCannotBeDecodedRaisesTheErrorEvent) {
    const CString strPath = dir.file("noise.wav");
    testfiles::writeFile(strPath, testfiles::Bytes(4096, 0x5A));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, strPath));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.empty(); }, kWaitMs));
    EXPECT_EQ(events.size(), 1U);
    EXPECT_NE(events[0].strDescription.find("noise.wav"), CString::npos);
}

TEST_F(MediaPlayerControlTest, AProblemOfAFileReplacedMeanwhileIsNotReported) {
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, dir.file("missing.wav")));
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, CString()));
    QTest::qWait(200);
    EXPECT_TRUE(events.empty());
}

TEST_F(MediaPlayerControlTest, PlayWithoutAnAudioOutputRaisesTheErrorEvent) {
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "this machine has an audio output";
    }
    ASSERT_TRUE(Put(MediaPlayerControl::kDispFileName, WriteSample()));
    control->Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.empty(); }, kWaitMs));
    EXPECT_NE(events[0].strDescription.find("no audio output"), CString::npos);
    // Not the file's fault: a second try tells it again.
    control->Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return events.size() == 2; }, kWaitMs));
}

TEST_F(MediaPlayerControlTest, RefusesCallsItDoesNotHave) {
    COleVariant result;
    CString strError;
    EXPECT_FALSE(control->Invoke(42, DISPATCH_METHOD, {}, &result, &strError));
    EXPECT_FALSE(strError.empty());
    EXPECT_FALSE(Put(MediaPlayerControl::kDispFileName, TRUE));
    EXPECT_FALSE(Put(MediaPlayerControl::kDispAutoStart, CString("yes")));
    EXPECT_TRUE(
        control->Invoke(MediaPlayerControl::kDispStop, DISPATCH_METHOD, {}, &result, &strError));
}

}  // namespace
