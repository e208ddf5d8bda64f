// Repair of every broken file of the corpus and every real file (OVALIS_REAL_FILES): a file the
// repair takes comes out with no structural error and its samples unchanged; none is touched.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "corpus/BrokenFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RepairWriter.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/SampleChecksum.h"

using namespace testfiles;

namespace {

const std::set<std::string> kStructureRules = {"form-past-end",  "pad-missing", "past-end",
                                               "past-form",      "after-form",  "duplicate-data",
                                               "trailing-bytes", "rf64-sizes"};

std::string SamplesMd5(const std::string& path) {
    CRiffChunkModel root;
    root.Load(path);
    const ChecksumResult result = SampleChecksum(root, {});
    return result.digest ? Md5Text(*result.digest) : "none";
}

void ExpectRepaired(const std::string& input, const std::string& name) {
    const Bytes before = readFile(input);
    TempDir dir;
    const RepairPlan plan = PlanRepair(input);
    const CString strFailure = WriteRepair(plan, input, dir.file("out.wav"));
    EXPECT_EQ(readFile(input), before) << name;
    if (!strFailure.empty()) {
        EXPECT_FALSE(plan.strRefused.empty()) << name << ": " << strFailure;
        return;
    }
    for (const Finding& finding : CheckFile(dir.file("out.wav"), {}).findings) {
        EXPECT_FALSE(kStructureRules.count(finding.strRule)) << name << ": " << finding.strSentence;
    }
    EXPECT_EQ(SamplesMd5(dir.file("out.wav")), SamplesMd5(input)) << name;
}

}  // namespace

TEST(RepairCorpusTest, EveryBrokenFileIsRepairedOrRefusedAndNeverTouched) {
    for (const corpus::BrokenFile& file : corpus::BrokenFiles()) {
        TempDir dir;
        writeFile(dir.file("in.wav"), file.bytes);
        ExpectRepaired(dir.file("in.wav"), file.name);
    }
}

TEST(RepairCorpusTest, EveryRealFileIsRepairedOrRefusedAndNeverTouched) {
    const char* pszFolder = std::getenv("OVALIS_REAL_FILES");
    if (!pszFolder) {
        GTEST_SKIP() << "OVALIS_REAL_FILES is not set: no folder of real files";
    }
    for (const auto& entry : std::filesystem::directory_iterator(pszFolder)) {
        ExpectRepaired(entry.path().string(), entry.path().filename().string());
    }
}
