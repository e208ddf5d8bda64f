#include "InterruptedSaves.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/FillerRoom.h"
#include "core/io/FileAt.h"
#include "core/io/SaveJournal.h"

namespace savetest {

using testfiles::Bytes;

void EditDescription(CRiffChunkModel& root, std::size_t nAt, char c) {
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        if (pChunk->m_ck.ckid == mmioStringToFOURCC("bext", 0)) {
            pChunk->Data()[nAt] = static_cast<BYTE>(c);
        }
    }
}

void ResizeList(CRiffChunkModel& root, std::size_t nSize) {
    CChunk* pList = root.FirstChunk(mmioStringToFOURCC("LIST", 0));
    CString strPayload(reinterpret_cast<const char*>(pList->Data()), pList->DataSize());
    strPayload.resize(nSize, 'x');
    pList->SetData(reinterpret_cast<const BYTE*>(strPayload.data()), nSize);
}

Bytes Take() {
    testfiles::BextFields fields;
    fields.description = "Take";
    return testfiles::WaveFile(
        {{"bext", testfiles::BextPayload(fields)},
         {"fmt ", testfiles::PcmFormat(1, 48000, 16)},
         {"data", Bytes(40000, 3)},
         {"LIST", Bytes{'I', 'N', 'F', 'O', 'I', 'C', 'M', 'T', 4, 0, 0, 0, 'a', 'b', 'c', 0}}});
}

InPlaceWrite InterruptedSave(const std::string& path, std::size_t nPieces) {
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(path));
    EditDescription(root, 0, 'X');
    ResizeList(root, 9000);
    FitIntoFillerRoom(root);
    HMMIO hmmio = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE);
    const std::optional<InPlacePlan> plan = PlanInPlace(root, hmmio);
    mmioClose(hmmio, 0);
    if (!plan) {
        ADD_FAILURE() << "the edit cannot be saved in place";
        return {};
    }
    const int fd = ::open(path.c_str(), O_RDWR);
    std::optional<InPlaceWrite> write = PieceOut(fd, *plan);
    EXPECT_TRUE(write.has_value());
    EXPECT_EQ(WriteJournal(path, write->record), "");
    if (nPieces > 0) {
        EXPECT_EQ(::ftruncate(fd, write->record.newSize), 0);
    }
    for (std::size_t i = 0; i < nPieces && i < write->newBytes.size(); ++i) {
        EXPECT_TRUE(WriteAt(fd, write->record.segments[i].offset, write->newBytes[i]));
    }
    ::close(fd);
    return *write;
}

PendingSave::PendingSave(std::size_t nPieces)
    : path(dir.file("take.wav")), journal(JournalPath(path)) {
    testfiles::writeFile(path, Take());
    InterruptedSave(path, nPieces);
    file = testfiles::readFile(path);
}

}  // namespace savetest
