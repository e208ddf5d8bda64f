#include "core/io/TemporaryNames.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kStem[] = "$$temp";
constexpr char kExtension[] = ".wav";
constexpr int kRandomDigits = 12;

// "$$temp.wav", "$$temp7.wav", "$$temp-0123456789ab.wav".
bool IsTemporaryName(const std::string& name) {
    const std::size_t nStem = sizeof kStem - 1;
    const std::size_t nExtension = sizeof kExtension - 1;
    if (name.size() < nStem + nExtension || name.compare(0, nStem, kStem) != 0 ||
        name.compare(name.size() - nExtension, nExtension, kExtension) != 0) {
        return false;
    }
    std::string middle = name.substr(nStem, name.size() - nStem - nExtension);
    if (!middle.empty() && middle[0] == '-' && middle.size() == kRandomDigits + 1) {
        return std::all_of(middle.begin() + 1, middle.end(), ::isxdigit);
    }
    return std::all_of(middle.begin(), middle.end(), ::isdigit);
}

}  // namespace

CString TemporaryPath(const CString& strSaved, int nAttempt) {
    std::string name = std::string(kStem) + kExtension;
    if (nAttempt > 0) {
        // Saves run on several threads at once, each drawing its own names.
        thread_local std::mt19937_64 generator{std::random_device{}()};
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string random(kRandomDigits, '0');
        for (char& c : random) {
            c = kDigits[generator() % 16];
        }
        name = std::string(kStem) + "-" + random + kExtension;
    }
    return (fs::path(strSaved).parent_path() / name).string();
}

std::vector<CString> LeftOverTemporaries(const CString& strSaved) {
    std::vector<CString> names;
    fs::path folder = fs::path(strSaved).parent_path();
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        if (IsTemporaryName(it->path().filename().string())) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
