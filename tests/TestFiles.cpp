#include "TestFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testfiles {

void appendLe16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendLe32(Bytes& bytes, std::uint32_t value) {
    appendLe16(bytes, static_cast<std::uint16_t>(value));
    appendLe16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void appendText(Bytes& bytes, std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

ByteBuilder& ByteBuilder::text(std::string_view value) {
    appendText(m_bytes, value);
    return *this;
}

ByteBuilder& ByteBuilder::le16(std::uint16_t value) {
    appendLe16(m_bytes, value);
    return *this;
}

ByteBuilder& ByteBuilder::le32(std::uint32_t value) {
    appendLe32(m_bytes, value);
    return *this;
}

ByteBuilder& ByteBuilder::zeros(std::size_t count) {
    m_bytes.resize(m_bytes.size() + count);
    return *this;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovalis-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::file(std::string_view name) const {
    return (std::filesystem::path(m_path) / name).string();
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testfiles
