// Temporary files registered for removal go when a signal ends the program: every signal whose
// default ends it, several files registered from several threads at once; a signal the program
// ignores or handles itself keeps its action.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TestFiles.h"
#include "core/file/SignalCleanup.h"

namespace {

namespace fs = std::filesystem;

enum class Action { Default, Ignored, Handled };

void NoteSignal(int) {}

// Runs the body in a child process that dumps no core, and returns its wait status.
template <class Body>
int StatusOfChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const struct rlimit noCore {};
        ::setrlimit(RLIMIT_CORE, &noCore);
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

void Touch(const std::string& path) {
    testfiles::writeFile(path, testfiles::Bytes{1});
}

TEST(SignalCleanupTest, EverySignalThatEndsTheProgramRemovesTheRegisteredFile) {
    for (std::size_t i = 0; i < kCleanupSignalCount; ++i) {
        const int nSignal = kCleanupSignals[i];
        SCOPED_TRACE(strsignal(nSignal));
        testfiles::TempDir dir;
        const std::string path = dir.file("$$temp.wav");
        Touch(path);
        const int status = StatusOfChild([&] {
            RemoveOnSignal(path);
            ::raise(nSignal);
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == nSignal) << status;
        EXPECT_FALSE(fs::exists(path));
    }
}

struct ActionRow {
    const char* what;
    int nSignal;
    Action action;
    bool bForget;  // the registration ended before the signal
    bool bEnds;
    bool bRemoved;
};

TEST(SignalCleanupTest, OnlyASignalThatEndsTheProgramRemovesOnlyWhatIsRegistered) {
    const ActionRow rows[] = {
        {"ignored, as under nohup", SIGHUP, Action::Ignored, false, false, false},
        {"handled by the program", SIGUSR1, Action::Handled, false, false, false},
        {"forgotten before the signal", SIGTERM, Action::Default, true, true, false},
    };
    for (const ActionRow& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("$$temp.wav");
        Touch(path);
        const int status = StatusOfChild([&] {
            std::signal(row.nSignal, row.action == Action::Ignored   ? SIG_IGN
                                     : row.action == Action::Handled ? NoteSignal
                                                                     : SIG_DFL);
            const int nToken = RemoveOnSignal(path);
            if (row.bForget) {
                ForgetOnSignal(nToken);
            }
            ::raise(row.nSignal);
        });
        EXPECT_EQ(WIFSIGNALED(status), row.bEnds) << status;
        EXPECT_EQ(fs::exists(path), !row.bRemoved);
    }
}

TEST(SignalCleanupTest, FilesRegisteredFromSeveralThreadsAreAllRemoved) {
    testfiles::TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 8; ++i) {
        paths.push_back(dir.file("$$temp" + std::to_string(i) + ".wav"));
        Touch(paths.back());
    }
    const int status = StatusOfChild([&] {
        std::vector<std::thread> threads;
        for (const std::string& path : paths) {
            threads.emplace_back([&path] { RemoveOnSignal(path); });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        ::raise(SIGTERM);
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    for (const std::string& path : paths) {
        EXPECT_FALSE(fs::exists(path)) << path;
    }
}

TEST(SignalCleanupTest, SlotsAreReusedAndTheirEndIsToldByANullToken) {
    std::vector<int> tokens;
    for (int nToken = RemoveOnSignal("/nonexistent/a"); nToken != 0;
         nToken = RemoveOnSignal("/nonexistent/a")) {
        tokens.push_back(nToken);
        ASSERT_LT(tokens.size(), 10000u) << "no end to the slots";
    }
    EXPECT_GE(tokens.size(), 16u);
    ForgetOnSignal(tokens.back());
    EXPECT_EQ(RemoveOnSignal("/nonexistent/b"), tokens.back());
    for (int nToken : tokens) {
        ForgetOnSignal(nToken);
    }
    EXPECT_EQ(RemoveOnSignal(std::string(PATH_MAX, 'a')), 0);
    ForgetOnSignal(0);
}

}  // namespace
