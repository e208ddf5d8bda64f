#include "table/FileLoader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "table/ThreadHandOver.h"

namespace {

// Enough files per batch that the rows arrive in few steps, few enough that the first show soon.
constexpr std::size_t kBatchSize = 64;

bool IsSoundFile(const std::filesystem::path& path) {
    CString strExtension = path.extension().string();
    std::transform(strExtension.begin(), strExtension.end(), strExtension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* pExtension : {".wav", ".wave", ".bwf", ".rf64", ".bw64"}) {
        if (strExtension == pExtension) {
            return true;
        }
    }
    return false;
}

void AddFolder(const std::filesystem::path& folder, std::vector<CString>& rFiles) {
    std::vector<CString> found;
    std::error_code error;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, options, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && IsSoundFile(it->path())) {
            found.push_back(it->path().string());
        }
    }
    std::sort(found.begin(), found.end());
    rFiles.insert(rFiles.end(), found.begin(), found.end());
}

}  // namespace

std::vector<CString> ListedFiles(const QStringList& paths) {
    std::vector<CString> files;
    for (const QString& strPath : paths) {
        std::error_code error;
        // Rows are known by their absolute paths, as exports name them.
        std::filesystem::path path = std::filesystem::absolute(strPath.toStdString(), error);
        path = error ? std::filesystem::path(strPath.toStdString()) : path.lexically_normal();
        if (std::filesystem::is_directory(path, error)) {
            AddFolder(path, files);
        } else {
            files.push_back(path.string());
        }
    }
    return files;
}

FileLoader::FileLoader(QObject* pParent) : QObject(pParent) {}

FileLoader::~FileLoader() {
    Cancel();
    WaitForPool(m_pool);
}

void FileLoader::Cancel() {
    ++m_nGeneration;
    if (m_nPending > 0) {
        m_nPending = 0;
        emit Finished();
    }
}

void FileLoader::Load(const QStringList& paths) {
    const int nGeneration = m_nGeneration;
    ++m_nPending;
    StartOnPool(m_pool, [this, paths, nGeneration] {
        auto files = std::make_shared<std::vector<CString>>(ListedFiles(paths));
        QueueTo(this, [this, files, nGeneration] {
            if (nGeneration != m_nGeneration) {
                return;
            }
            --m_nPending;
            StartBatches(*files, nGeneration);
        });
    });
}

void FileLoader::StartBatches(const std::vector<CString>& paths, int nGeneration) {
    m_nTotal += static_cast<int>(paths.size());
    for (std::size_t nFirst = 0; nFirst < paths.size(); nFirst += kBatchSize) {
        std::vector<CString> batch(paths.begin() + nFirst,
                                   paths.begin() + std::min(paths.size(), nFirst + kBatchSize));
        ++m_nPending;
        StartOnPool(m_pool, [this, batch = std::move(batch), nGeneration] {
            auto pLoaded = std::make_shared<LoadedBatch>();
            for (const CString& strPath : batch) {
                if (nGeneration != m_nGeneration) {
                    return;
                }
                pLoaded->push_back(LoadTableFile(strPath));
            }
            QueueTo(this, [this, pLoaded, nGeneration] { Deliver(pLoaded, nGeneration); });
        });
    }
    emit Progress(m_nDone, m_nTotal);
    if (m_nPending == 0) {
        emit Finished();
    }
}

void FileLoader::Deliver(const std::shared_ptr<LoadedBatch>& pBatch, int nGeneration) {
    if (nGeneration != m_nGeneration) {
        return;
    }
    m_nDone += static_cast<int>(pBatch->size());
    --m_nPending;
    emit Loaded(pBatch);
    emit Progress(m_nDone, m_nTotal);
    if (m_nPending == 0) {
        m_nDone = m_nTotal = 0;
        emit Finished();
    }
}
