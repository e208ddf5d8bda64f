#pragma once
// The audio definition model of a wide-form master: the chna chunk's track table and the ADM
// document of axml (or bxml, usually gzip-compressed), read into the elements that link programmes
// to the file's tracks.

#include <map>
#include <optional>
#include <vector>

#include "core/base/LittleEndian.h"

struct ChnaTrack {
    DWORD index;  // the file's channel, from 1
    CString uid;  // "ATU_00000001"
    CString trackFormat;
    CString packFormat;
};

struct ChnaTable {
    DWORD declaredTracks = 0;
    DWORD declaredUids = 0;
    std::vector<ChnaTrack> tracks;  // the entries held
    CString note;                   // what the payload lacked, or empty
};

// One element of the document: its kind ("audioObject"), ID, name and the IDs it refers to, by
// the kind of reference ("audioPackFormatIDRef").
struct AdmElement {
    CString kind;
    CString id;
    CString name;
    std::map<CString, std::vector<CString>> refs;
};

struct AdmDocument {
    std::vector<AdmElement> elements;  // in document order
    CString profile;                   // "name version" of a profile the document names, or ""
    CString error;                     // why the document was not read, or ""

    const AdmElement* Find(const CString& strId) const;
    std::vector<const AdmElement*> OfKind(const char* pKind) const;
};

ChnaTable ParseChna(ByteSpan payload);
AdmDocument ParseAdm(const CString& strDocument);
// The formatInfo value that says a bxml document is a gzip stream.
constexpr WORD kBxmlGzip = 1;
// What a bxml chunk's formatInfo says of how its document is stored.
CString BxmlFormatMeaning(WORD wFormatInfo);
// How a bxml document (the bytes after formatInfo) is stored, by its bytes: "gzip", "XML", or
// "" for neither.
CString BxmlStorage(const CString& strBody);
// The document of an axml payload, or of a bxml payload inflated when it is a gzip stream; why
// not in rError.
CString AdmDocumentText(const CString& strId, ByteSpan payload, CString& rError);
// What the chna table and the document say of each other that a reader would stumble on: a
// track's UID or custom format the document lacks, a UID of the document no track has, a track
// index outside the channels.
std::vector<CString> AdmProblems(const ChnaTable& chna, const AdmDocument& adm, DWORD dwChannels);
