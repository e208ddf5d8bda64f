#pragma once
// A table window over a folder of small Broadcast Wave files that the test writes.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "table/TableWindow.h"

namespace tabletest {

// A bext (version 1, time reference one hour at 48 kHz), PCM fmt and data; n varies the texts.
testfiles::Bytes TakeFile(int n);

class TableTest : public ::testing::Test {
protected:
    // Writes count files take000.wav ... into the folder and lists the folder in the window.
    void OpenFolder(int nCount);
    void WriteFiles(int nCount);
    void LoadFolder(int nCount);
    // Writes zz-broken.wav, a take whose RIFF id is spoiled, then opens the folder as above.
    void OpenFolderWithBrokenFile(int nCount);
    // The cell of the value in the source row, as the view shows it.
    QModelIndex Cell(int nRow, const CString& strName);
    void Select(const std::vector<int>& rows, const CString& strName);
    // Saves every edited file and waits for the saves to end.
    void SaveAll();

    testfiles::TempDir m_dir;
    TableWindow m_window;
};

}  // namespace tabletest
