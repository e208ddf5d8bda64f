// Files from the field (OVALIS_REAL_FILES): what info --json shows of their iXML, LIST INFO, adtl,
// cue and bext chunks is what their bytes hold. The expected values come from a walk of the
// bytes of its own here, so that a slip of the chunk model or the readers shows.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

namespace fs = std::filesystem;
using Row = std::map<std::string, std::string>;  // column and text
using Rows = std::vector<Row>;

struct RawChunk {
    std::string id;
    std::string bytes;  // as far as the file holds them
    std::uint64_t declared;
};

std::uint64_t Le(const std::string& bytes, std::size_t at, int width) {
    std::uint64_t value = 0;
    for (int i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

bool IsPrintableId(const std::string& bytes, std::uint64_t at) {
    return at + 4 <= bytes.size() && std::all_of(bytes.begin() + at, bytes.begin() + at + 4,
                                                 [](char c) { return c >= 0x20 && c < 0x7F; });
}

// Whether a header with a printable id starts here, with a size that the file's bytes hold.
bool IsHeldHeaderAt(const std::string& bytes, std::uint64_t at) {
    return IsPrintableId(bytes, at) && at + 8 <= bytes.size() &&
           Le(bytes, at + 4, 4) <= bytes.size() - at - 8;
}

std::vector<RawChunk> Chunks(const std::string& bytes, std::size_t from) {
    std::vector<RawChunk> chunks;
    for (std::uint64_t pos = from; pos + 8 <= bytes.size();) {
        const std::uint64_t declared = Le(bytes, pos + 4, 4);
        const std::uint64_t held = std::min<std::uint64_t>(declared, bytes.size() - pos - 8);
        chunks.push_back({bytes.substr(pos, 4), bytes.substr(pos + 8, held), declared});
        pos += 8 + declared;
        // The pad byte of an odd size, unless a writer left it out and put the next id there.
        if ((declared & 1) && (IsHeldHeaderAt(bytes, pos + 1) || !IsPrintableId(bytes, pos))) {
            ++pos;
        }
    }
    return chunks;
}

bool IsWaveForm(const std::string& bytes) {
    const std::string form = bytes.substr(0, 4);
    return bytes.size() >= 12 && (form == "RIFF" || form == "RF64" || form == "BW64") &&
           bytes.compare(8, 4, "WAVE") == 0;
}

// The bytes up to the first zero byte; UTF-8 when they are, else Windows-1252, whose bytes
// 0x80-0x9F are not the Latin-1 controls.
std::string TextOf(const std::string& bytes) {
    const QByteArray text = QByteArray::fromStdString(bytes.substr(0, bytes.find('\0')));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (!utf8.hasError()) {
        return decoded.toStdString();
    }
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString latin = QString::fromLatin1(text);
    for (QChar& ch : latin) {
        if (ch.unicode() >= 0x80 && ch.unicode() < 0xA0) {
            ch = QChar(kHigh[ch.unicode() - 0x80]);
        }
    }
    return latin.toStdString();
}

// A list's sub-chunk that the list ends inside of shows how much of it is there.
std::string CutNote(const RawChunk& sub) {
    if (sub.bytes.size() >= sub.declared) {
        return {};
    }
    return " (cut: " + std::to_string(sub.bytes.size()) + " of " + std::to_string(sub.declared) +
           " bytes held)";
}

std::string Unescaped(std::string text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, ch] : kEntities) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
            text.replace(at, std::string(entity).size(), ch);
        }
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Every element of an XML document as it closes, in document order: its path below the root
// ("SPEED/TIMECODE_RATE") and the text directly inside it.
std::vector<std::pair<std::string, std::string>> XmlElements(const std::string& document) {
    std::vector<std::pair<std::string, std::string>> elements;
    std::vector<std::pair<std::string, std::string>> open;  // name and text so far
    const auto close = [&] {
        std::string path;
        for (std::size_t i = 1; i < open.size(); ++i) {
            path += (i > 1 ? "/" : "") + open[i].first;
        }
        elements.emplace_back(path, Unescaped(Trimmed(open.back().second)));
        open.pop_back();
    };
    for (std::size_t pos = 0, lt; (lt = document.find('<', pos)) != std::string::npos;) {
        if (!open.empty()) {
            open.back().second += document.substr(pos, lt - pos);
        }
        const bool bComment = document.compare(lt, 4, "<!--") == 0;
        const std::size_t gt = document.find(bComment ? "-->" : ">", lt);
        if (gt == std::string::npos) {
            break;
        }
        const std::string tag = document.substr(lt + 1, gt - lt - 1);
        pos = gt + (bComment ? 3 : 1);
        if (bComment || tag[0] == '?' || tag[0] == '!') {
            continue;
        }
        if (tag[0] == '/') {
            close();
            continue;
        }
        open.emplace_back(tag.substr(0, tag.find_first_of(" \t\r\n/")), "");
        if (tag.back() == '/') {
            close();
        }
    }
    return elements;
}

std::string FirstText(const std::vector<std::pair<std::string, std::string>>& elements,
                      const std::string& path) {
    for (const auto& [elementPath, text] : elements) {
        if (elementPath == path) {
            return text;
        }
    }
    return {};
}

const char* const kIxmlFields[] = {"PROJECT",
                                   "SCENE",
                                   "TAKE",
                                   "TAPE",
                                   "CIRCLED",
                                   "NOTE",
                                   "FILE_UID",
                                   "SPEED/TIMECODE_RATE",
                                   "SPEED/TIMECODE_FLAG"};

// The value of each main field, by the name its row has.
Row IxmlFieldValues(const std::string& document) {
    const auto elements = XmlElements(document);
    Row values;
    for (const char* pField : kIxmlFields) {
        values[pField] = FirstText(elements, pField);
    }
    return values;
}

Rows IxmlTrackRows(const std::string& document) {
    static const std::pair<const char*, const char*> kColumns[] = {
        {"CHANNEL_INDEX", "Channel"},
        {"INTERLEAVE_INDEX", "Interleave"},
        {"NAME", "Name"},
        {"FUNCTION", "Function"}};
    const std::string track = "TRACK_LIST/TRACK";
    Rows rows;
    Row row;
    for (const auto& [path, text] : XmlElements(document)) {
        if (path == track) {
            for (const auto& [element, column] : kColumns) {
                row.emplace(column, "");
            }
            rows.push_back(row);
            row.clear();
        }
        for (const auto& [element, column] : kColumns) {
            if (path == track + "/" + element) {
                row.emplace(column, text);
            }
        }
    }
    return rows;
}

Rows InfoRows(const RawChunk& list) {
    Rows rows;
    for (const RawChunk& sub : Chunks(list.bytes, 4)) {
        rows.push_back({{"Id", sub.id}, {"Text", TextOf(sub.bytes) + CutNote(sub)}});
    }
    return rows;
}

// Labels and notes: a cue point id, then the text; a labelled text has 16 more bytes before its
// text, the first four of them the length of its region.
Rows AdtlRows(const RawChunk& list) {
    Rows rows;
    for (const RawChunk& sub : Chunks(list.bytes, 4)) {
        if (sub.id != "labl" && sub.id != "note" && sub.id != "ltxt") {
            continue;
        }
        const std::size_t textAt = sub.id == "ltxt" ? 20 : 4;
        const std::string text = sub.bytes.size() > textAt ? TextOf(sub.bytes.substr(textAt)) : "";
        rows.push_back(
            {{"Kind", sub.id},
             {"Cue point id", sub.bytes.size() >= 4 ? std::to_string(Le(sub.bytes, 0, 4)) : "0"},
             {"Text", text + CutNote(sub)},
             {"Length", sub.id == "ltxt" && sub.bytes.size() >= 8
                            ? std::to_string(Le(sub.bytes, 4, 4))
                            : ""}});
    }
    return rows;
}

bool IsList(const std::string& id) {
    // Some recorders write the id in lower case.
    return id == "LIST" || id == "list";
}

std::string ListType(const RawChunk& chunk) {
    return chunk.bytes.substr(0, 4);
}

// A cue point is 24 bytes after the count: its id first, the sample offset last. Its label is
// the labl text for its id in the first adtl list, else the text of its labelled text, whose
// length it shows.
Rows MarkerRows(const RawChunk& cue, const std::vector<RawChunk>& chunks) {
    Rows adtl;
    for (const RawChunk& chunk : chunks) {
        if (IsList(chunk.id) && ListType(chunk) == "adtl") {
            adtl = AdtlRows(chunk);
            break;
        }
    }
    Rows rows;
    const std::uint64_t count = cue.bytes.size() >= 4 ? Le(cue.bytes, 0, 4) : 0;
    for (std::uint64_t i = 0; i < count && 4 + (i + 1) * 24 <= cue.bytes.size(); ++i) {
        const std::string id = std::to_string(Le(cue.bytes, 4 + i * 24, 4));
        Row row{{"Id", id},
                {"Samples", std::to_string(Le(cue.bytes, 4 + i * 24 + 20, 4))},
                {"Label", ""},
                {"Note", ""},
                {"Length", ""}};
        std::string labelledText;
        for (const Row& entry : adtl) {
            if (entry.at("Cue point id") != id) {
                continue;
            }
            const std::string& kind = entry.at("Kind");
            if (kind == "labl" || kind == "note") {
                row[kind == "labl" ? "Label" : "Note"] = entry.at("Text");
            } else {
                row["Length"] = entry.at("Length");
                labelledText = labelledText.empty() ? entry.at("Text") : labelledText;
            }
        }
        if (row["Label"].empty()) {
            row["Label"] = labelledText;
        }
        rows.push_back(row);
    }
    return rows;
}

// The time reference is the 64-bit sample count at offset 338 of bext.
Rows TimeReferenceRows(const RawChunk& bext) {
    if (bext.bytes.size() < 346) {
        return {};
    }
    return {{{"As", "Samples"}, {"Value", std::to_string(Le(bext.bytes, 338, 8))}}};
}

// A zero-ended text of a fixed width.
std::string FixedText(const std::string& bytes, std::size_t at, std::size_t width) {
    const std::string text = bytes.substr(at, width);
    return text.substr(0, text.find('\0'));
}

// The ADM track table: two counts, then 40 bytes a track (index, UID, track and pack format).
Rows ChnaRows(const RawChunk& chna) {
    Rows rows;
    for (std::size_t at = 4; at + 40 <= chna.bytes.size(); at += 40) {
        rows.push_back({{"Track", std::to_string(Le(chna.bytes, at, 2))},
                        {"Track UID", FixedText(chna.bytes, at + 2, 12)},
                        {"Track format", FixedText(chna.bytes, at + 14, 14)},
                        {"Pack format", FixedText(chna.bytes, at + 28, 11)}});
    }
    return rows;
}

// A version, then segments of an id byte, a 16-bit size, the payload and a checksum byte.
Rows DbmdRows(const RawChunk& dbmd) {
    Rows rows;
    for (std::size_t at = 4; at + 3 < dbmd.bytes.size() && dbmd.bytes[at] != 0;) {
        const std::size_t size = Le(dbmd.bytes, at + 1, 2);
        rows.push_back({{"Id", std::to_string(static_cast<unsigned char>(dbmd.bytes[at]))},
                        {"Size", std::to_string(size)}});
        at += 4 + size;
    }
    return rows;
}

// The rows of the table of this title in a chunk's details, with the columns expected has.
Rows ShownRows(const QJsonObject& chunk, const char* title, const Rows& expected) {
    Rows rows;
    for (const QJsonValue& table : chunk["details"].toArray()) {
        if (table["title"].toString() != QLatin1String(title)) {
            continue;
        }
        for (const QJsonValue& shown : table["rows"].toArray()) {
            Row row;
            for (const auto& [column, text] : expected.empty() ? Row() : expected.front()) {
                row[column] = shown[QString::fromStdString(column)].toString().toStdString();
            }
            rows.push_back(row);
        }
    }
    return rows;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class RealFilesInfoJsonTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pszFolder = std::getenv("OVALIS_REAL_FILES");
        if (pszFolder == nullptr) {
            GTEST_SKIP() << "OVALIS_REAL_FILES is not set: no folder of real files";
        }
        for (const auto& entry : fs::directory_iterator(pszFolder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        ASSERT_FALSE(files.empty()) << "no files in " << pszFolder;
    }

    QJsonObject Info(const fs::path& path, bool bWaveForm) {
        const clitest::CliResult result = clitest::RunCli({"info", "--json", path.string()});
        EXPECT_EQ(result.exitCode, bWaveForm ? 0 : 1) << result.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
            .object()["files"]
            .toArray()
            .at(0)
            .toObject();
    }

    void ExpectShown(const QJsonObject& chunk, const char* title, const Rows& expected) {
        EXPECT_EQ(ShownRows(chunk, title, expected), expected) << title;
        for (const Row& row : expected) {
            nValues += row.size();
        }
    }

    void ExpectFieldValues(const QJsonObject& chunk, const char* title, const Row& expected) {
        Row shown;
        for (const Row& row : ShownRows(chunk, title, {{{"Field", ""}, {"Value", ""}}})) {
            if (expected.count(row.at("Field"))) {
                shown[row.at("Field")] = row.at("Value");
            }
        }
        EXPECT_EQ(shown, expected) << title;
        nValues += expected.size();
    }

    // Each chunk of these ids that the walk finds against the one info shows in its place.
    template <typename Check>
    void ForEachPair(const QJsonObject& file, const std::vector<RawChunk>& chunks,
                     bool (*pIsKind)(const std::string&), Check check) {
        std::vector<QJsonObject> shown;
        for (const QJsonValue& chunk : file["chunks"].toArray()) {
            if (pIsKind(chunk["id"].toString().toStdString())) {
                shown.push_back(chunk.toObject());
            }
        }
        std::vector<const RawChunk*> walked;
        for (const RawChunk& chunk : chunks) {
            if (pIsKind(chunk.id)) {
                walked.push_back(&chunk);
            }
        }
        ASSERT_EQ(shown.size(), walked.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            check(shown[i], *walked[i]);
        }
    }

    std::vector<fs::path> files;
    std::size_t nValues = 0;
};

TEST_F(RealFilesInfoJsonTest, DetailsShowWhatTheFileHolds) {
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadAll(path);
        const bool bWaveForm = IsWaveForm(bytes);
        const QJsonObject file = Info(path, bWaveForm);
        EXPECT_EQ(file.contains("error"), !bWaveForm);
        const std::vector<RawChunk> chunks =
            bWaveForm ? Chunks(bytes, 12) : std::vector<RawChunk>();
        ForEachPair(
            file, chunks, [](const std::string& id) { return id == "iXML"; },
            [&](const QJsonObject& shown, const RawChunk& ixml) {
                ExpectFieldValues(shown, "iXML fields", IxmlFieldValues(ixml.bytes));
                ExpectShown(shown, "iXML tracks", IxmlTrackRows(ixml.bytes));
            });
        ForEachPair(file, chunks, IsList, [&](const QJsonObject& shown, const RawChunk& list) {
            if (ListType(list) == "INFO") {
                ExpectShown(shown, "INFO entries", InfoRows(list));
            } else if (ListType(list) == "adtl") {
                ExpectShown(shown, "Associated data", AdtlRows(list));
            }
        });
        ForEachPair(
            file, chunks, [](const std::string& id) { return id == "cue "; },
            [&](const QJsonObject& shown, const RawChunk& cue) {
                ExpectShown(shown, "Markers", MarkerRows(cue, chunks));
            });
        ForEachPair(
            file, chunks, [](const std::string& id) { return id == "chna"; },
            [&](const QJsonObject& shown, const RawChunk& chna) {
                ExpectShown(shown, "chna tracks", ChnaRows(chna));
            });
        ForEachPair(
            file, chunks, [](const std::string& id) { return id == "dbmd"; },
            [&](const QJsonObject& shown, const RawChunk& dbmd) {
                ExpectShown(shown, "Metadata segments", DbmdRows(dbmd));
            });
        ForEachPair(
            file, chunks, [](const std::string& id) { return id == "bext"; },
            [&](const QJsonObject& shown, const RawChunk& bext) {
                // The rows after the sample count are times at the file's sample rate.
                const Rows expected = TimeReferenceRows(bext);
                Rows rows = ShownRows(shown, "Time reference", expected);
                rows.resize(std::min(rows.size(), expected.size()));
                EXPECT_EQ(rows, expected);
                nValues += expected.size() * 2;
            });
    }
    RecordProperty("files", static_cast<int>(files.size()));
    RecordProperty("values", static_cast<int>(nValues));
}

}  // namespace
