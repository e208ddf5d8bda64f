#pragma once
// Small files for tests: a temporary folder that cleans up after itself, and bytes built front
// to back with little-endian appenders.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testfiles {

using Bytes = std::vector<std::uint8_t>;

void appendLe16(Bytes& bytes, std::uint16_t value);
void appendLe32(Bytes& bytes, std::uint32_t value);
// The characters as they are, with no terminator: chunk ids, fixed text fields.
void appendText(Bytes& bytes, std::string_view text);

// Builds file bytes in one expression: ByteBuilder().text("data").le32(2).text("hi").zeros(1).
class ByteBuilder {
public:
    ByteBuilder& text(std::string_view value);
    ByteBuilder& le16(std::uint16_t value);
    ByteBuilder& le32(std::uint32_t value);
    ByteBuilder& zeros(std::size_t count);
    operator const Bytes&() const { return m_bytes; }
    const Bytes& bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// A fresh folder under the system's temporary folder, removed with all it holds on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // The path of a file called `name` in the folder.
    std::string file(std::string_view name) const;

private:
    std::string m_path;
};

// Both throw std::runtime_error when the file cannot be written or read.
void writeFile(const std::string& path, const Bytes& bytes);
Bytes readFile(const std::string& path);

}  // namespace testfiles
