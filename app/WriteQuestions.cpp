#include "app/WriteQuestions.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "core/fields/BextFields.h"
#include "core/fields/Hundredths.h"
#include "core/integrity/BextLoudness.h"

namespace {

constexpr const char* kLoudnessFields[] = {"LoudnessValue", "LoudnessRange", "MaxTruePeakLevel",
                                           "MaxMomentaryLoudness", "MaxShortTermLoudness"};
constexpr const char* kLoudnessUnits[] = {"LUFS", "LU", "dBTP", "LUFS", "LUFS"};
constexpr DWORD kLoudnessVersion = 2;

CString SavedOver(const CString& strPath) {
    return "\n\nThen " + strPath + " is saved over itself.";
}

}  // namespace

CString LoudnessQuestion(const CString& strPath, const CChunk& bext, const LoudnessValues& values) {
    const auto words = LoudnessWords(values);
    CString strText = "Write the measured loudness into the bext chunk?\n";
    for (std::size_t i = 0; i < words.size(); ++i) {
        strText += CString("\n") + kLoudnessFields[i] + ": " +
                   FormatHundredths(static_cast<WORD>(words[i]));
        if (static_cast<WORD>(words[i]) != kHundredthsNotSet) {
            strText += CString(" ") + kLoudnessUnits[i];
        }
    }
    const DWORD dwVersion = ReadNumber(bext, *kBextFields.Find("Version"));
    strText += "\nVersion: " + std::to_string(dwVersion);
    if (dwVersion < kLoudnessVersion) {
        strText += " becomes " + std::to_string(kLoudnessVersion);
    }
    return strText + SavedOver(strPath);
}

CString ChecksumQuestion(const CString& strPath, const Md5Digest& digest, bool bReplaces) {
    return "Embed the audio checksum (MD5) " + Md5Text(digest) +
           (bReplaces ? " in place of the stored one?"
                      : " in a new \"MD5 \" chunk after the data chunk?") +
           SavedOver(strPath);
}
