#pragma once
// Chunks of the format pages' tests: read from a file that holds just the chunk, written back
// through the same I/O layer, and shown on their pages with message boxes recorded.

#include <string>
#include <vector>

#include "RiffWriter.h"
#include "framework/MessageBox.h"

class CChunk;
class CWnd;

namespace testfiles {

// Writes the chunk's bytes (header, payload, pad) to a file and lets `chunk` read them.
bool ReadChunk(CChunk& chunk, const ChunkSpec& layout, const TempDir& dir);
// What the chunk's Write puts into a file, closed by an ascend as a save does.
Bytes WrittenChunk(CChunk& chunk, const TempDir& dir);

// The text of edit box nID on the page, and whether the user may change it.
std::string BoxText(const CWnd& page, int nID);
void SetBoxText(CWnd& page, int nID, const std::string& text);
bool IsBoxReadOnly(const CWnd& page, int nID);

// Records every message box shown while it lives, instead of showing it.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<std::string>& messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
    MessageBoxHook m_previousHook;
};

}  // namespace testfiles
