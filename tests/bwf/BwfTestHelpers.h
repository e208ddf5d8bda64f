#pragma once
// Chunks read from files the tests write, and the boxes of their pages.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/Chunk.h"
#include "pages/ChunkPage.h"

namespace bwftest {

using testfiles::Bytes;

// A chunk of class T read, as loading reads it, from a file holding one chunk with this id and
// payload. bLoad is FALSE: the extension chunks load their payload all the same.
template <class T>
std::unique_ptr<T> ReadChunk(const Bytes& payload, const std::string& id) {
    testfiles::TempDir dir;
    const std::string path = dir.file("chunk.bin");
    testfiles::writeFile(path, testfiles::ChunkBytes({id, payload}));
    HMMIO h = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE);
    if (!h) {
        throw std::runtime_error("cannot open " + path);
    }
    auto chunk = std::make_unique<T>();
    const BOOL bRead = chunk->Read(h, FALSE);
    mmioClose(h, 0);
    if (!bRead) {
        throw std::runtime_error("cannot read the chunk back from " + path);
    }
    return chunk;
}

// The bytes of the chunk as its Write puts them in a file, closed by an ascend.
inline Bytes WrittenChunk(CChunk& chunk) {
    testfiles::TempDir dir;
    const std::string path = dir.file("written.bin");
    HMMIO h = mmioOpen(path.c_str(), nullptr, MMIO_CREATE | MMIO_READWRITE | MMIO_DENYNONE);
    if (!h) {
        throw std::runtime_error("cannot create " + path);
    }
    const bool bWritten = chunk.Write(h) && mmioAscend(h, &chunk.m_ck, 0) == 0;
    mmioClose(h, 0);
    if (!bWritten) {
        throw std::runtime_error("cannot write the chunk to " + path);
    }
    return testfiles::readFile(path);
}

inline Bytes Payload(const CChunk& chunk) {
    return Bytes(chunk.Data(), chunk.Data() + chunk.DataSize());
}

inline QWidget* Box(CChunkPage& page, int nID) {
    CWnd* pBox = page.GetDlgItem(nID);
    if (!pBox) {
        throw std::runtime_error("the page has no control " + std::to_string(nID));
    }
    return pBox->GetSafeHwnd();
}

inline CString BoxText(CChunkPage& page, int nID) {
    return page.GetDlgItem(nID) ? page.GetDlgItem(nID)->GetWindowText() : CString("<no box>");
}

inline bool IsReadOnly(CChunkPage& page, int nID) {
    QWidget* pBox = Box(page, nID);
    if (auto* pLine = qobject_cast<QLineEdit*>(pBox)) {
        return pLine->isReadOnly();
    }
    return qobject_cast<QPlainTextEdit*>(pBox)->isReadOnly();
}

// Replaces the box's text as the user would: select everything, then type.
inline void Type(CChunkPage& page, int nID, const QString& text) {
    QWidget* pBox = Box(page, nID);
    pBox->setFocus();
    QTest::keyClick(pBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pBox, Qt::Key_Delete);
    for (const QChar ch : text) {
        // keyClicks knows only ASCII keys; other letters come as key events carrying their text.
        QTest::sendKeyEvent(QTest::Click, pBox, ch.unicode() < 0x80 ? Qt::Key_A : Qt::Key_unknown,
                            QString(ch), Qt::NoModifier);
    }
}

inline void Type(CChunkPage& page, int nID, const char* text) {
    Type(page, nID, QString::fromUtf8(text));
}

}  // namespace bwftest
