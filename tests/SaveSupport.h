#pragma once
// What the save tests share: well-formed files to give back byte for byte, the state of a file
// that a failed save must leave alone, and a recorder of the message boxes shown.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RiffWriter.h"
#include "framework/MessageBox.h"

class CWnd;

namespace savetest {

using testfiles::Bytes;

struct NamedFile {
    std::string name;
    Bytes bytes;
};

// One file per layout an unedited save must write back unchanged.
std::vector<NamedFile> WellFormedFiles();

// fmt (PCM, 16 bytes) and a data chunk of nSamples bytes.
Bytes PcmWave(std::size_t nSamples);
// nSamples bytes of a pattern that shows a shifted or repeated pass.
Bytes Samples(std::size_t nSamples);

// The bytes, modification time, inode and permission bits of a file.
struct FileState {
    Bytes bytes;
    std::filesystem::file_time_type mtime;
    ino_t inode = 0;
    std::filesystem::perms perms = std::filesystem::perms::none;
    bool operator==(const FileState&) const = default;
};
FileState StateOf(const std::string& path);
// Sets the modification time an hour back, so that any write to the file shows.
void AgeFile(const std::string& path);

// Sets the text of box nID on a page as the user would leave it, whatever kind of box it is.
void SetBoxText(CWnd& page, int nID, const CString& strText);
CString BoxText(const CWnd& page, int nID);
// Clicks the page's button nID as the user would.
void ClickButton(CWnd& page, int nID);

// The names a folder holds, sorted.
std::vector<std::string> Names(const std::string& folder);

struct Message {
    CString text;
    UINT type;
};

// Records every message box while it lives, instead of showing it.
class MessageLog {
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<Message> messages;

private:
    MessageBoxHook m_previous;
};

}  // namespace savetest
