#include "FuzzWorkspace.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

FuzzWorkspace* g_pWorkspace = nullptr;

// Memory-backed when the system has it: every input is written once.
std::string MakeFolder() {
    std::string strTemplate = std::filesystem::is_directory("/dev/shm")
                                  ? "/dev/shm/ovalis-fuzz-XXXXXX"
                                  : "/tmp/ovalis-fuzz-XXXXXX";
    if (mkdtemp(strTemplate.data()) == nullptr) {
        std::perror("ovalis fuzz: cannot make a working folder");
        std::abort();
    }
    return strTemplate;
}

}  // namespace

FuzzWorkspace::FuzzWorkspace()
    : m_strFolder(MakeFolder()),
      m_strInput(m_strFolder + "/input.wav"),
      m_strOutput(m_strFolder + "/saved.wav") {}

void FuzzWorkspace::Start() {
    // Lives to the end of the process; its folder goes then.
    g_pWorkspace = new FuzzWorkspace;
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(g_pWorkspace->m_strFolder, error);
    });
}

FuzzWorkspace& FuzzWorkspace::Get() {
    return *g_pWorkspace;
}

const std::string& FuzzWorkspace::WriteInput(const std::uint8_t* pData, std::size_t nSize) {
    std::ofstream file(m_strInput, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(pData), static_cast<std::streamsize>(nSize));
    if (!file.flush()) {
        std::perror("ovalis fuzz: cannot write the input file");
        std::abort();
    }
    return m_strInput;
}
