// A save reads the file as loaded and replaces only that file: another program's replacement or
// rewrite during the save is refused, temporary names cannot be blocked, and a signal that ends
// the program mid-save leaves no temporary file behind.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "MmioFaults.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"
#include "core/io/MmioSeam.h"

namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;

Bytes Take(std::size_t nSamples) {
    testfiles::BextFields fields;
    fields.description = "Take";
    return testfiles::BroadcastWave(fields, nSamples);
}

// Real calls, with an action of the test's run once at the n-th call of a kind.
class ActingCalls : public MmioSystemCalls {
public:
    ActingCalls(MmioFaultyCalls::Call call, int n, std::function<void()> act)
        : m_call(call), m_n(n), m_act(std::move(act)) {}
    ssize_t read(int fd, void* buffer, std::size_t count) override {
        At(MmioFaultyCalls::Call::Read);
        return MmioSystemCalls::read(fd, buffer, count);
    }
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        At(MmioFaultyCalls::Call::Write);
        return MmioSystemCalls::write(fd, buffer, count);
    }
    // The new file's flush to disk: after the copy's check, before the one at the rename.
    int fsync(int fd) override {
        At(MmioFaultyCalls::Call::Flush);
        return MmioSystemCalls::fsync(fd);
    }

private:
    void At(MmioFaultyCalls::Call call) {
        if (call == m_call && ++m_count == m_n) {
            m_act();
        }
    }
    MmioFaultyCalls::Call m_call;
    int m_n;
    std::function<void()> m_act;
    int m_count = 0;
};

struct ChangeRow {
    const char* what;
    MmioFaultyCalls::Call call;
    int n;
    bool bRewriteInPlace;  // same size, old modification time put back; else replaced by mv
};

TEST(SaveSafetyTest, AFileChangedDuringTheSaveIsNeitherReadNorReplaced) {
    const ChangeRow rows[] = {
        {"replaced during the copy", MmioFaultyCalls::Call::Write, 2, false},
        {"replaced before the rename", MmioFaultyCalls::Call::Flush, 1, false},
        {"rewritten during the copy, mtime put back", MmioFaultyCalls::Call::Write, 2, true},
        {"rewritten before the rename, mtime put back", MmioFaultyCalls::Call::Flush, 1, true},
    };
    for (const ChangeRow& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        const Bytes original = Take(200000);
        testfiles::writeFile(path, original);
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        Bytes other = original;
        other[other.size() - 1] ^= 0xFF;
        ActingCalls calls(row.call, row.n, [&] {
            if (!row.bRewriteInPlace) {
                testfiles::writeFile(dir.file("other.wav"), other);
                fs::rename(dir.file("other.wav"), path);
                return;
            }
            struct stat before {};
            ::stat(path.c_str(), &before);
            testfiles::writeFile(path, other);
            const struct timespec times[2] = {before.st_atim, before.st_mtim};
            ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        });
        MmioSystemCallsScope scope(calls);
        const CString failure = SaveTree(root, path, {});
        EXPECT_NE(failure.find("was changed or replaced by another program"), CString::npos)
            << failure;
        EXPECT_EQ(testfiles::readFile(path), other);
        EXPECT_EQ(fs::directory_iterator(dir.path())->path().filename(), "take.wav");
    }
}

TEST(SaveSafetyTest, PlantedTemporaryNamesDoNotBlockASave) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, Take(400));
    for (int i = 0; i < 100; ++i) {
        testfiles::writeFile(
            dir.file(i == 0 ? "$$temp.wav" : "$$temp" + std::to_string(i) + ".wav"), Bytes{1});
    }
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    EXPECT_EQ(SaveTree(root, path, {}), "");
    EXPECT_EQ(testfiles::readFile(path), Take(400));
    EXPECT_EQ(testfiles::readFile(dir.file("$$temp.wav")), Bytes{1});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 101);
}

TEST(SaveSafetyTest, ASignalThatEndsTheProgramMidSaveLeavesNoTemporaryFile) {
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ, SIGXCPU, SIGALRM}) {
        SCOPED_TRACE(nSignal);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, Take(2000000));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const struct rlimit noCore {};
            ::setrlimit(RLIMIT_CORE, &noCore);
            CRiffChunkModel root;
            root.Load(path);
            ActingCalls calls(MmioFaultyCalls::Call::Write, 5,
                              [nSignal] { ::kill(::getpid(), nSignal); });
            MmioSystemCallsScope scope(calls);
            SaveTree(root, path, {});
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == nSignal) << status;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
        EXPECT_EQ(testfiles::readFile(path), Take(2000000));
    }
}

}  // namespace
