#pragma once
// Runs the file check (see FileCheck.h) on a pool of worker threads; the check reads the files
// as they are on disk, not the edits pending, and can be stopped.

#include <QObject>
#include <QThreadPool>
#include <atomic>

#include "core/integrity/FileCheck.h"
#include "table/FileListModel.h"

class CheckRunner : public QObject {
    Q_OBJECT
public:
    explicit CheckRunner(FileListModel& model, QObject* pParent = nullptr);
    ~CheckRunner() override;

    void Check(const std::vector<int>& rows);
    void Cancel() { m_bCancelled = true; }

signals:
    void Progress(int nDone, int nTotal);
    void Finished();

private:
    FileListModel& m_model;
    QThreadPool m_pool;
    std::atomic<bool> m_bCancelled{false};
    int m_nPending = 0;
    int m_nTotal = 0;
};

// "clean", "1 error, 2 warnings, no notes" (FindingsSummary), "cancelled".
CString CheckSummary(const CheckReport& report);

inline constexpr const char* kMd5Differs = "differs";
// The stored MD5 against the samples' as the check found them: "agrees", "differs" or "none
// stored"; empty when the check was stopped.
CString Md5Outcome(const CheckReport& report, bool bStored);
