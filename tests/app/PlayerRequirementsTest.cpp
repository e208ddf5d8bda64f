// The player's check before Qt's player is made: with GStreamer's plugins or Qt's backend out of
// reach the program stays up and the overview page shows the install hint, whole, in its box.

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include "ChildProcess.h"
#include "TestFiles.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/OleControl.h"
#include "player/ActiveMovie.h"
#include "player/MediaPlayerControl.h"
#include "player/PlayerRequirements.h"

namespace {

using testfiles::TempDir;
using viewertest::RunTestInChild;

constexpr const char* kPackages[] = {"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good",
                                     "gstreamer1.0-libav"};

QLabel* Hint(const CViewerDlg& dlg) {
    return static_cast<QLabel*>(dlg.m_overviewPage.m_stcInstallHint.GetSafeHwnd());
}

// Runs in a child whose environment hides a part of the player.
TEST(PlayerMissingChild, DISABLED_TheHintShowsAndTheWindowWorks) {
    EXPECT_FALSE(MissingPlayerParts().isEmpty());
    EXPECT_EQ(MediaPlayerControl::Create(nullptr), nullptr);
    TempDir dir;
    const CString strPath = dir.file("a.wav");
    viewertest::WriteBroadcastWave(strPath, "Morning news");
    viewertest::ScopedMessageBoxRecorder boxes;
    AfxEnableControlContainer();
    CViewerDlg dlg(strPath);
    ASSERT_TRUE(dlg.Create(130));
    dlg.GetSafeHwnd()->show();
    EXPECT_FALSE(dlg.m_overviewPage.m_bPlayer);
    EXPECT_TRUE(dlg.m_overviewPage.m_stcInstallHint.IsWindowVisible());
    EXPECT_TRUE(dlg.m_overviewPage.m_grpInstallHint.IsWindowVisible());
    for (const char* package : kPackages) {
        EXPECT_TRUE(Hint(dlg)->text().contains(QLatin1String(package))) << package;
    }
    EXPECT_EQ(dlg.m_tab.GetItemCount(), 4);
    EXPECT_TRUE(boxes.texts.empty());
}

struct MissingCase {
    const char* name;
    std::vector<std::pair<QString, QString>> environment;  // EMPTY: an empty folder
};

class PlayerRequirementsTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(PlayerRequirementsTest, AMissingPartShowsTheHintAndTheProgramLives) {
    TempDir dir;
    const QString empty = QString::fromStdString(dir.file("no-plugins"));
    ASSERT_TRUE(QDir().mkpath(empty));
    std::vector<std::pair<QString, QString>> environment = GetParam().environment;
    for (auto& [name, value] : environment) {
        value.replace(QStringLiteral("EMPTY"), empty);
    }
    // A registry of its own: the shared one must not learn of the empty plugin folder.
    environment.emplace_back(QStringLiteral("GST_REGISTRY_1_0"),
                             QString::fromStdString(dir.file("registry.bin")));
    const viewertest::ChildRun run =
        RunTestInChild(QStringLiteral("PlayerMissingChild.DISABLED_*"), environment);
    EXPECT_TRUE(run.bPassed) << run.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Parts, PlayerRequirementsTest,
                         ::testing::Values(MissingCase{"GStreamerPlugins",
                                                       {{"GST_PLUGIN_SYSTEM_PATH_1_0", "EMPTY"},
                                                        {"GST_PLUGIN_PATH_1_0", "EMPTY"}}},
                                           MissingCase{"QtBackend",
                                                       {{"QT_MEDIA_BACKEND", "nosuchbackend"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerRequirementsTest, TheChildNamesWhatIsMissing) {
    TempDir dir;
    const QString empty = QString::fromStdString(dir.file("no-plugins"));
    ASSERT_TRUE(QDir().mkpath(empty));
    const viewertest::ChildRun run = RunTestInChild(
        QStringLiteral("PlayerMissingNames.DISABLED_*"),
        {{QStringLiteral("GST_PLUGIN_SYSTEM_PATH_1_0"), empty},
         {QStringLiteral("GST_PLUGIN_PATH_1_0"), empty},
         {QStringLiteral("GST_REGISTRY_1_0"), QString::fromStdString(dir.file("registry.bin"))}});
    EXPECT_TRUE(run.bPassed) << run.output.toStdString();
}

TEST(PlayerMissingNames, DISABLED_EveryMissingElementIsNamed) {
    const QStringList missing = MissingPlayerParts();
    EXPECT_TRUE(missing.contains(QStringLiteral("the GStreamer element wavparse")));
    EXPECT_TRUE(missing.contains(QStringLiteral("the GStreamer element uridecodebin")));
}

TEST(PlayerRequirementsTest, TheHintFitsItsBox) {
    viewertest::ScopedFakePlayer missing(false);
    CViewerDlg dlg(CString{});
    ASSERT_TRUE(dlg.Create(130));
    QLabel* pHint = Hint(dlg);
    const QRect box = dlg.m_overviewPage.m_grpInstallHint.GetSafeHwnd()->geometry();
    EXPECT_TRUE(box.contains(pHint->geometry())) << "the text lies inside its group box";
    // Each line fits its width whole, so no package name is broken, and all lines fit its height.
    const QFontMetrics metrics(pHint->font());
    const QStringList lines = pHint->text().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), pHint->width()) << line.toStdString();
    }
    EXPECT_LE(lines.size() * metrics.lineSpacing(), pHint->height());
}

}  // namespace
