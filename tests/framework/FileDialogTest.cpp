// The file dialogs: the filter text becomes name filters that match in any letter case, and the
// hook sees what each dialog is asked and answers for it.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "framework/DialogTemplate.h"
#include "framework/FileDialog.h"

namespace {

bool Matches(const QString& filter, const QString& name) {
    const QString patterns = filter.section(QLatin1Char('('), -1).chopped(1);
    for (const QString& pattern : patterns.split(QLatin1Char(' '))) {
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                .match(name)
                .hasMatch()) {
            return true;
        }
    }
    return false;
}

TEST(FileDialogTest, TheOpenPatternShowsAudioFilesInAnyLetterCase) {
    const QStringList filters = NameFiltersFromFilterText(
        "Files (*.wav; *.mp2; *.mpg; *.snd;)|*.wav; *.mp2; *.mpg; *.snd;||");
    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("Files (*.wav; *.mp2; *.mpg; *.snd;) (")));
    for (const char* name : {"news.wav", "NEWS.WAV", "a.Mp2", "clip.mpg", "old.SND"}) {
        EXPECT_TRUE(Matches(filters[0], QString::fromUtf8(name))) << name;
    }
    for (const char* name : {"news.wav.bak", "notes.txt", "wav", "a.mp3"}) {
        EXPECT_FALSE(Matches(filters[0], QString::fromUtf8(name))) << name;
    }
}

TEST(FileDialogTest, EveryPairOfTheFilterTextIsOneFilter) {
    EXPECT_EQ(NameFiltersFromFilterText("Wave|*.wav|All|*||"),
              QStringList({"Wave (*.[wW][aA][vV])", "All (*)"}));
    EXPECT_TRUE(NameFiltersFromFilterText("").isEmpty());
}

TEST(FileDialogTest, TheHookAnswersForOpenAndSaveDialogs) {
    std::vector<FileDialogRequest> requests;
    std::vector<std::optional<CString>> answers = {CString("/music/a.wav"), std::nullopt};
    const FileDialogHook previous = SetFileDialogHook([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return answers[requests.size() - 1];
    });
    CFileDialog save(FALSE, "wav", "/music/a.wav", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/music/a.wav");
    CFileDialog open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "Wave|*.wav||");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), CString());
    SetFileDialogHook(previous);
    ASSERT_EQ(requests.size(), 2U);
    EXPECT_FALSE(requests[0].bOpenFileDialog);
    EXPECT_EQ(requests[0].strDefExt, "wav");
    EXPECT_EQ(requests[0].strFileName, "/music/a.wav");
    EXPECT_EQ(requests[0].dwFlags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(requests[1].bOpenFileDialog);
    EXPECT_EQ(requests[1].strFilter, "Wave|*.wav||");
}

}  // namespace
