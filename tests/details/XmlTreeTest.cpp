// What the XML parser makes of iXML documents: their declared encodings, entities and sizes.

#include "core/details/XmlTree.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::string Document(const std::string& prolog, const std::string& project) {
    return prolog + "<BWFXML><PROJECT>" + project + "</PROJECT></BWFXML>";
}

std::string Declared(const char* pEncoding) {
    return "<?xml version=\"1.0\" encoding=\"" + std::string(pEncoding) + "\"?>";
}

// A megabyte of references to one entity of 270 bytes: ninety times as much text.
std::string Amplified() {
    std::string strReferences;
    for (int i = 0; i < 350000; ++i) {
        strReferences += "&a;";
    }
    return Document("<!DOCTYPE BWFXML [<!ENTITY a \"" + std::string(270, 'x') + "\">]>",
                    strReferences);
}

// count empty elements beside the PROJECT element, 4 bytes each.
std::string ManyElements(int count) {
    std::string strElements;
    for (int i = 0; i < count; ++i) {
        strElements += "<a/>";
    }
    return "<BWFXML><PROJECT>P</PROJECT>" + strElements + "</BWFXML>";
}

struct ParseRow {
    const char* what;
    std::string document;
    const char* project;  // the PROJECT text as UTF-8, or null when not parsed
    const char* error;    // part of the error of a document too large to check
};

TEST(XmlTreeTest, DocumentsParseInTheirEncodingAndWithinTheirSize) {
    const ParseRow rows[] = {
        {"ISO-8859-1", Document(Declared("ISO-8859-1"), "Caf\xE9"), "Caf\xC3\xA9", ""},
        {"Windows-1252", Document(Declared("windows-1252"), "\x80"), "\xE2\x82\xAC", ""},
        {"an unknown encoding read as UTF-8", Document(Declared("x-y"), "\xC3\xA9"), "\xC3\xA9",
         ""},
        {"an entity within the document's size",
         Document("<!DOCTYPE BWFXML [<!ENTITY co \"Ovalis\">]>", "&co;"), "Ovalis", ""},
        {"entities ninetyfold", Amplified(), nullptr, "its entities expand it past its own size"},
        {"past the size limit", Document("", std::string(16 << 20, 'x')), nullptr,
         "bytes; documents up to 16777216 are parsed"},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.what);
        const auto start = std::chrono::steady_clock::now();
        const XmlParse parse = ParseXml(row.document);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        ASSERT_EQ(parse.root != nullptr, row.project != nullptr) << parse.error;
        EXPECT_EQ(parse.tooLarge, !parse.root);
        if (parse.root) {
            EXPECT_EQ(parse.root->ChildText("PROJECT"), row.project);
        } else {
            EXPECT_NE(parse.error.find(row.error), CString::npos) << parse.error;
        }
    }
}

// A tree of more elements would take some forty times the document's bytes.
TEST(XmlTreeTest, DocumentsOfMoreElementsThanTheTreeTakesAreNotParsed) {
    const XmlParse most = ParseXml(ManyElements(499998));
    ASSERT_TRUE(most.root) << most.error;
    EXPECT_EQ(most.root->ChildText("PROJECT"), "P");
    const XmlParse more = ParseXml(ManyElements(499999));
    EXPECT_FALSE(more.root);
    EXPECT_TRUE(more.tooLarge);
    EXPECT_EQ(more.error,
              "the document has more than 500000 elements; documents of up to 500000 "
              "are parsed");
}

}  // namespace
