#pragma once
// Loads files on a pool of worker threads, the folders named listed recursively first; the
// window gets them in batches and never waits for a disk.

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "table/TableFile.h"

using LoadedBatch = std::vector<std::unique_ptr<TableFile>>;

class FileLoader : public QObject {
    Q_OBJECT
public:
    explicit FileLoader(QObject* pParent = nullptr);
    ~FileLoader() override;

    // Loads the files named and the sound files in the folders named, recursively.
    void Load(const QStringList& paths);
    // Drops what is still to be loaded.
    void Cancel();
    bool IsLoading() const { return m_nPending > 0; }

signals:
    void Loaded(std::shared_ptr<LoadedBatch> pBatch);
    void Progress(int nDone, int nTotal);
    void Finished();

private:
    void StartBatches(const std::vector<CString>& paths, int nGeneration);
    void Deliver(const std::shared_ptr<LoadedBatch>& pBatch, int nGeneration);

    QThreadPool m_pool;
    std::atomic<int> m_nGeneration{0};
    int m_nPending = 0;  // listings and batches not delivered yet
    int m_nDone = 0;
    int m_nTotal = 0;
};

// The files named, and in the folders named the sound files (.wav, .wave, .bwf, .rf64, .bw64),
// recursively, each folder's in name order.
std::vector<CString> ListedFiles(const QStringList& paths);
