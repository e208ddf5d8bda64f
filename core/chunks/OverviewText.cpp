#include "core/chunks/OverviewText.h"

#include <algorithm>

#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/fields/AudioSummary.h"
#include "core/fields/BextFields.h"
#include "core/fields/FormatFields.h"

namespace {

CString BextOverviewOf(const CChunk& chunk) {
    const auto bytes = [&chunk](const char* pszName) {
        return ReadTextBytes(chunk.Data(), chunk.DataSize(), *kBextFields.Find(pszName));
    };
    return BextOverview(bytes("Description"), bytes("CodingHistory"));
}

}  // namespace

CString BextOverview(const CString& strDescription, const CString& strCodingHistory) {
    // Shown as UTF-8, whatever encoding the fields were read with.
    return "Broadcast Wave Format file:\r\n\r\nDescription:\r\n" +
           DecodeFieldBytes(strDescription) + "\r\n\r\nCoding History:\r\n" +
           DecodeFieldBytes(strCodingHistory) + "\r\n\r\n";
}

CString PcmOverviewLine(const CChunk& chunk) {
    const FieldLayout& rate = *kPcmFormatFields.Find("nSamplesPerSec");
    const FieldLayout& bits = *kPcmFormatFields.Find("wBitsPerSample");
    const FieldLayout& channels = *kPcmFormatFields.Find("nChannels");
    if (!IsFieldHeld(chunk, rate) || !IsFieldHeld(chunk, bits) || !IsFieldHeld(chunk, channels)) {
        return CString();
    }
    return AudioSummaryLine(ReadNumber(chunk, rate), ReadNumber(chunk, bits),
                            ReadNumber(chunk, channels));
}

CString FormName(FOURCC formId) {
    const bool bWide =
        formId == mmioStringToFOURCC("RF64", 0) || formId == mmioStringToFOURCC("BW64", 0);
    return bWide ? CString(reinterpret_cast<const char*>(&formId), 4) : CString("RIFF");
}

CString OverviewOfLoad(FOURCC formId) {
    return FormName(formId) + " WAVE file.\r\n\r\n";
}

bool HasBextChunk(const CRiffChunkModel& root) {
    return std::any_of(root.begin(), root.end(), [](const CObject* pObject) {
        return ClassCast<const CBEXTChunkModel>(pObject) != nullptr;
    });
}

CString OverviewOf(const CRiffChunkModel& root) {
    CString strOverview = OverviewOfLoad(root.m_ck.ckid);
    for (CObject* pObject : root) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        if (ClassCast<const CBEXTChunkModel>(&chunk)) {
            strOverview = BextOverviewOf(chunk);
        } else if (FieldTableOf(chunk) == &kPcmFormatFields) {
            strOverview += PcmOverviewLine(chunk);
        }
    }
    return strOverview;
}
