#pragma once
// What the fuzz targets share: a private folder for the file each input becomes and for what is
// saved, made once per process.

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzWorkspace {
public:
    // Makes the folder; call once, from LLVMFuzzerInitialize.
    static void Start();
    static FuzzWorkspace& Get();

    // Writes the input as the file to load and returns its path.
    const std::string& WriteInput(const std::uint8_t* pData, std::size_t nSize);
    // A second file in the folder, for what is saved.
    const std::string& OutputPath() const { return m_strOutput; }

private:
    FuzzWorkspace();

    std::string m_strFolder;
    std::string m_strInput;
    std::string m_strOutput;
};
