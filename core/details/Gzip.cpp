// The one file that names the compression library (zlib).
#include "core/details/Gzip.h"

#include <zlib.h>

namespace {

// The parser takes documents up to this size; a stream that inflates further is not read.
constexpr std::size_t kLargestInflated = 16 * 1024 * 1024;
constexpr int kGzipWindow = 16 + MAX_WBITS;

}  // namespace

std::optional<CString> InflateGzip(const CString& strStream, CString& rError) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindow) != Z_OK) {
        rError = "the gzip stream could not be opened";
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(strStream.data()));
    stream.avail_in = static_cast<uInt>(strStream.size());
    CString strOut;
    char buffer[65536];
    int nResult = Z_OK;
    while (nResult == Z_OK && strOut.size() <= kLargestInflated) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        nResult = inflate(&stream, Z_NO_FLUSH);
        strOut.append(buffer, sizeof buffer - stream.avail_out);
        if (nResult == Z_BUF_ERROR && stream.avail_in == 0) {
            break;
        }
    }
    inflateEnd(&stream);
    if (strOut.size() > kLargestInflated) {
        rError = "the gzip stream inflates past " + std::to_string(kLargestInflated) + " bytes";
        return std::nullopt;
    }
    if (nResult != Z_STREAM_END) {
        rError = "the gzip stream is damaged or cut short";
        return std::nullopt;
    }
    return strOut;
}

std::optional<CString> DeflateGzip(const CString& strBytes) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        return std::nullopt;
    }
    CString strOut(deflateBound(&stream, static_cast<uLong>(strBytes.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(strBytes.data()));
    stream.avail_in = static_cast<uInt>(strBytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(strOut.data());
    stream.avail_out = static_cast<uInt>(strOut.size());
    const bool bDone = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    strOut.resize(stream.total_out);
    deflateEnd(&stream);
    return bDone ? std::optional(strOut) : std::nullopt;
}
