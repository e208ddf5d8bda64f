#pragma once
// Files for the command-line tests, and the JSON that info gives for them.

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>

#include <string>

#include "RiffWriter.h"

namespace clitest {

using testfiles::Bytes;

// Every bext field a different text, so that a swapped field shows.
testfiles::BextFields SampleFields();
// bext, PCM fmt with cbSize, fact, mext and data, in that order.
Bytes FileWithEveryFieldPage();
// A well-formed file whose form is the big-endian RIFX: it does not load.
Bytes BrokenFile();

// The "files" array of info --json over these paths; the test fails when it is not JSON.
QJsonArray InfoFiles(const std::vector<std::string>& paths, int expectedExit = 0);
// The fields of the first chunk with this id in one file's entry.
QJsonObject ChunkFields(const QJsonObject& file, const char* id);

// The same edit as a user makes it in the window: the file loaded, its pages created, the text
// typed into each box (by id), and the window's save over the file.
void EditOnThePages(const std::string& path, const std::vector<std::pair<int, std::string>>& boxes);

// A test that writes its files into a folder of its own.
class CliFilesTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string path = m_dir.file(name);
        testfiles::writeFile(path, bytes);
        return path;
    }
    testfiles::TempDir m_dir;
};

}  // namespace clitest
