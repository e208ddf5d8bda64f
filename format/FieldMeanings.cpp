#include "format/FieldMeanings.h"

#include <initializer_list>

namespace {

struct BitName {
    DWORD bit;
    const char* name;
};

// The names of the set bits, then those of no name as "bit N"; what stands for none set.
CString BitNames(DWORD dwValue, std::initializer_list<BitName> names, const char* pszNone) {
    CString strText;
    const auto add = [&strText](const CString& strName) {
        strText += (strText.empty() ? "" : ", ") + strName;
    };
    DWORD dwNamed = 0;
    for (const BitName& entry : names) {
        dwNamed |= entry.bit;
        if (dwValue & entry.bit) {
            add(entry.name);
        }
    }
    for (int nBit = 0; nBit < 32; ++nBit) {
        if (dwValue & ~dwNamed & (1u << nBit)) {
            add("bit " + std::to_string(nBit));
        }
    }
    return strText.empty() ? CString(pszNone) : strText;
}

}  // namespace

CString MpegLayerMeaning(DWORD dwLayer) {
    return BitNames(dwLayer, {{1, "Layer I"}, {2, "Layer II"}, {4, "Layer III"}}, "no layer");
}

CString MpegModeMeaning(DWORD dwMode) {
    return BitNames(
        dwMode, {{1, "stereo"}, {2, "joint stereo"}, {4, "dual channel"}, {8, "single channel"}},
        "no mode");
}

CString MpegEmphasisMeaning(DWORD dwEmphasis) {
    switch (dwEmphasis) {
        case 1:
            return "none";
        case 2:
            return "50/15 ms";
        case 3:
            return "reserved";
        case 4:
            return "CCITT J.17";
        default:
            return "unknown";
    }
}

CString MpegFlagsMeaning(DWORD dwFlags) {
    return BitNames(dwFlags,
                    {{1, "private bit"},
                     {2, "copyright"},
                     {4, "original"},
                     {8, "protection"},
                     {0x10, "MPEG-1"}},
                    "none");
}

CString SoundInformationMeaning(DWORD dwInformation) {
    const CString strHomogeneous = (dwInformation & 1) ? "homogeneous" : "not homogeneous";
    const CString strRest = BitNames(dwInformation & ~1u,
                                     {{2, "padding bit 0 throughout"},
                                      {4, "unpadded frames at 22.05 or 44.1 kHz"},
                                      {8, "free format"}},
                                     "");
    return strRest.empty() ? strHomogeneous : strHomogeneous + ", " + strRest;
}
