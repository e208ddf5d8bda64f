#include "table/TableFile.h"

#include "core/integrity/ChecksumChunk.h"

#include "core/details/AudioFacts.h"
#include "core/io/InterruptedSave.h"
#include "table/CellRules.h"

namespace {

CString DetailOf(const std::vector<std::pair<CString, CString>>& details, const char* pName) {
    for (const auto& [strName, strValue] : details) {
        if (strName == pName) {
            return strValue;
        }
    }
    return CString();
}

// "PCM, channels 2 (stereo), 48000 Hz, 24 bits" from the File details that name the format,
// worded as the viewer's file details word them.
CString FormatText(const std::vector<std::pair<CString, CString>>& details) {
    CString strText;
    const std::pair<const char*, const char*> parts[] = {
        {"Format", ""}, {"Channels", "channels "}, {"Sample rate", ""}, {"Bits", ""}};
    for (const auto& [pName, pLabel] : parts) {
        const CString strValue = DetailOf(details, pName);
        if (!strValue.empty()) {
            strText += (strText.empty() ? "" : ", ") + CString(pLabel) + strValue +
                       (CString(pName) == "Bits" ? " bits" : "");
        }
    }
    return strText;
}

std::unique_ptr<CRiffChunkModel> LoadedTree(const CString& strPath, CString& rFailure) {
    auto pRoot = std::make_unique<CRiffChunkModel>();
    pRoot->Load(strPath);
    rFailure = pRoot->LoadFailure();
    if (!rFailure.empty()) {
        pRoot.reset();
    }
    return pRoot;
}

}  // namespace

void RefreshShown(TableFile& file) {
    if (!file.pRoot) {
        return;
    }
    const auto details = FileDetails(*file.pRoot);
    file.strForm = DetailOf(details, "Form");
    file.strFormat = FormatText(details);
    const CString strDuration = DetailOf(details, "Duration");
    file.strDuration = strDuration.substr(0, strDuration.find(" ("));
    file.values = ShownValues(*file.pRoot);
    file.bMd5Stored = StoredChecksum(*file.pRoot).has_value();
}

std::unique_ptr<TableFile> LoadTableFile(const CString& strPath) {
    auto pFile = std::make_unique<TableFile>();
    pFile->strPath = strPath;
    pFile->pRoot = LoadedTree(strPath, pFile->strFailure);
    // Listing applies no journal; the result column says that one is pending, or why not.
    pFile->strResult = PendingSaveNote(InspectJournal(strPath));
    pFile->bResultFailed = !pFile->strResult.empty();
    RefreshShown(*pFile);
    return pFile;
}

CString ReloadWithEdits(TableFile& file) {
    file.pRoot = LoadedTree(file.strPath, file.strFailure);
    CString strProblem = file.strFailure;
    for (const auto& [strName, strValue] : file.pRoot ? file.edits : std::vector<CellEdit>()) {
        if (CString strRefused = SetCellValue(*file.pRoot, strName, strValue).problem;
            !strRefused.empty()) {
            strProblem = strRefused;
        }
    }
    RefreshShown(file);
    return strProblem;
}
