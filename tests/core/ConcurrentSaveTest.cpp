// Loads, edits, saves and checks of different files run on many threads at once, as the table
// runs them on its pools: no file takes another's value, none is lost, and no state is shared
// (the ThreadSanitizer build runs this too).

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/MetadataValues.h"
#include "core/edit/StoredFieldEdit.h"
#include "core/file/MetadataSave.h"
#include "core/integrity/FileCheck.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
constexpr int kThreads = 8;

std::string Described(int nFile) {
    return "Take " + std::to_string(nFile) + " edited";
}

struct FileOutcome {
    CString strFailure;  // of the load, the edit or the save; empty when all went through
    CheckReport report;
};

// Through the entries the command line's set uses: the stored field's edit, then the save.
FileOutcome EditSaveAndCheck(const std::string& path, int nFile) {
    FileOutcome outcome;
    CRiffChunkModel root;
    if (!root.Load(path)) {
        outcome.strFailure = "load: " + root.LoadFailure();
        return outcome;
    }
    std::vector<CString> notes;
    outcome.strFailure = StoreFieldValue(root, "Description", Described(nFile), {}, notes);
    if (outcome.strFailure.empty()) {
        outcome.strFailure = SaveMetadata(root, SaveOptions{});
    }
    outcome.report = CheckFile(path, [](std::int64_t, std::int64_t) { return true; });
    return outcome;
}

CString DescriptionOf(const std::string& path) {
    CRiffChunkModel root;
    root.Load(path);
    for (const auto& [strName, strValue] : EditableValuesOf(root)) {
        if (strName == "Description") {
            return strValue;
        }
    }
    return "(none)";
}

TEST(ConcurrentSaveTest, EightThreadsEditTwoHundredFilesEachAsItsOwnEditMadeIt) {
    testfiles::TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < kFiles; ++i) {
        testfiles::BextFields fields;
        fields.description = "Take " + std::to_string(i);
        paths.push_back(dir.file("take" + std::to_string(i) + ".wav"));
        // Sizes differ from file to file, so that the saves' buffers and passes differ too.
        testfiles::writeFile(paths.back(), testfiles::BroadcastWave(fields, 4000 + 4 * i));
    }
    std::vector<FileOutcome> outcomes(kFiles);
    std::atomic<int> nNext{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int i = nNext++; i < kFiles; i = nNext++) {
                outcomes[i] = EditSaveAndCheck(paths[i], i);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int i = 0; i < kFiles; ++i) {
        SCOPED_TRACE(paths[i]);
        EXPECT_EQ(outcomes[i].strFailure, "");
        EXPECT_EQ(DescriptionOf(paths[i]), Described(i));
        for (const Finding& finding : outcomes[i].report.findings) {
            EXPECT_NE(finding.severity, Severity::Error) << finding.strSentence;
        }
    }
    // No temporary file or journal is left beside the files.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), kFiles);
}

}  // namespace
