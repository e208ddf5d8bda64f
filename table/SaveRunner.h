#pragma once
// Saves edited files through the metadata-only save on a pool of worker threads. A file is
// busy (not editable) while a worker holds its tree; a file whose save fails keeps its edits and
// its row says why.

#include <QObject>
#include <QThreadPool>
#include <atomic>

#include "table/FileListModel.h"

class SaveRunner : public QObject {
    Q_OBJECT
public:
    explicit SaveRunner(FileListModel& model, QObject* pParent = nullptr);
    ~SaveRunner() override;

    // Saves the rows' files that have edits.
    void Save(const std::vector<int>& rows);
    // Saves no file not started yet.
    void Cancel() { m_bCancelled = true; }

signals:
    void Progress(int nDone, int nTotal);
    void Finished(int nSaved, int nFailed);

private:
    struct Job;
    void Start(int nRow);
    void Done(const std::shared_ptr<Job>& pJob);

    FileListModel& m_model;
    QThreadPool m_pool;
    std::atomic<bool> m_bCancelled{false};
    int m_nPending = 0;
    int m_nTotal = 0;
    int m_nSaved = 0;
    int m_nFailed = 0;
};
