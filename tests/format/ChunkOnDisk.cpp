#include "ChunkOnDisk.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "core/chunks/Chunk.h"
#include "framework/DialogTemplate.h"
#include "framework/Wnd.h"

namespace testfiles {

namespace {

QLineEdit* Box(const CWnd& page, int nID) {
    CWnd* pBox = page.GetDlgItem(nID);
    return pBox ? qobject_cast<QLineEdit*>(pBox->GetSafeHwnd()) : nullptr;
}

}  // namespace

bool ReadChunk(CChunk& chunk, const ChunkSpec& layout, const TempDir& dir) {
    const std::string path = dir.file("chunk.bin");
    writeFile(path, ChunkBytes(layout));
    HMMIO hmmio = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE);
    EXPECT_NE(hmmio, nullptr);
    const bool bRead = hmmio && chunk.Read(hmmio, FALSE);
    if (hmmio) {
        mmioClose(hmmio, 0);
    }
    return bRead;
}

Bytes WrittenChunk(CChunk& chunk, const TempDir& dir) {
    const std::string path = dir.file("written.bin");
    HMMIO hmmio = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATE);
    EXPECT_NE(hmmio, nullptr);
    if (hmmio) {
        EXPECT_TRUE(chunk.Write(hmmio));
        EXPECT_EQ(mmioAscend(hmmio, &chunk.m_ck, 0), 0u);
        mmioClose(hmmio, 0);
    }
    return readFile(path);
}

std::string BoxText(const CWnd& page, int nID) {
    QLineEdit* pBox = Box(page, nID);
    EXPECT_NE(pBox, nullptr) << "no edit box " << nID;
    return pBox ? pBox->text().toStdString() : std::string();
}

void SetBoxText(CWnd& page, int nID, const std::string& text) {
    if (QLineEdit* pBox = Box(page, nID)) {
        pBox->setText(QString::fromStdString(text));
    } else {
        ADD_FAILURE() << "no edit box " << nID;
    }
}

bool IsBoxReadOnly(const CWnd& page, int nID) {
    QLineEdit* pBox = Box(page, nID);
    EXPECT_NE(pBox, nullptr) << "no edit box " << nID;
    return pBox && pBox->isReadOnly();
}

MessageRecorder::MessageRecorder() {
    m_previousHook = SetMessageBoxHook([this](const CString& strText, UINT) {
        m_messages.push_back(strText);
        return IDOK;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageBoxHook(m_previousHook);
}

}  // namespace testfiles
