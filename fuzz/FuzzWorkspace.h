#pragma once
// What the fuzz targets share: a private folder for the file each input becomes, and the
// offscreen application under which the pages are made, started once per process.

#include <cstddef>
#include <cstdint>
#include <string>

class CWnd;

class FuzzWorkspace {
public:
    // Starts the application and makes the folder; call once, from LLVMFuzzerInitialize.
    static void Start(int* argc, char*** argv);
    static FuzzWorkspace& Get();

    // Writes the input as the file to load and returns its path.
    const std::string& WriteInput(const std::uint8_t* pData, std::size_t nSize);
    // A second file in the folder, for what is saved.
    const std::string& OutputPath() const { return m_strOutput; }
    // A window for the pages to be made in.
    CWnd* PageParent() const { return m_pParent; }
    // Deletes what the pages and their widgets left for the event loop to delete, so that
    // nothing piles up from one input to the next.
    static void FlushDeferredDeletes();

private:
    FuzzWorkspace();

    std::string m_strFolder;
    std::string m_strInput;
    std::string m_strOutput;
    CWnd* m_pParent = nullptr;
};
