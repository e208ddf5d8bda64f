#include "table/SaveRunner.h"

#include "core/file/MetadataSave.h"
#include "core/io/InterruptedSave.h"
#include "table/ThreadHandOver.h"

// What a worker holds of a file while saving it.
struct SaveRunner::Job {
    int nRow;
    TableFile work;  // the tree and its edits, taken from the row
    CString strFailure;
    bool bCancelled = false;
};

namespace {

// A save finishes an interrupted one first; the tree, loaded before, is then loaded again with
// its edits, so that they are made to the file as it is now.
CString Recovered(TableFile& work) {
    const Recovery recovery = RecoverInterruptedSave(work.strPath);
    if (recovery.state == JournalState::Refused) {
        return recovery.strText;
    }
    return recovery.bDone && recovery.state != JournalState::Untouched ? ReloadWithEdits(work)
                                                                       : CString();
}

// The tree of a saved file is loaded anew, as the file now is; that of a failed save is loaded
// with its edits made again, so that what it shows is what the next save will write.
void SaveJob(TableFile& work, CString& rFailure) {
    rFailure = Recovered(work);
    if (rFailure.empty() && work.pRoot) {
        rFailure = SaveMetadata(*work.pRoot, SaveOptions{});
    }
    if (rFailure.empty()) {
        work.edits.clear();
    }
    ReloadWithEdits(work);
}

}  // namespace

SaveRunner::SaveRunner(FileListModel& model, QObject* pParent) : QObject(pParent), m_model(model) {}

SaveRunner::~SaveRunner() {
    Cancel();
    WaitForPool(m_pool);
}

void SaveRunner::Save(const std::vector<int>& rows) {
    m_bCancelled = false;
    for (const int nRow : rows) {
        TableFile& file = m_model.File(nRow);
        if (file.IsEdited() && file.pRoot && !file.bBusy) {
            Start(nRow);
        }
    }
    emit Progress(m_nTotal - m_nPending, m_nTotal);
    if (m_nPending == 0) {
        emit Finished(m_nSaved, m_nFailed);
    }
}

void SaveRunner::Start(int nRow) {
    TableFile& file = m_model.File(nRow);
    auto pJob = std::make_shared<Job>();
    pJob->nRow = nRow;
    pJob->work.strPath = file.strPath;
    pJob->work.pRoot = std::move(file.pRoot);
    pJob->work.edits = file.edits;
    file.bBusy = true;
    file.strResult = "saving";
    file.bResultFailed = false;
    m_model.RowChanged(nRow);
    ++m_nPending;
    ++m_nTotal;
    StartOnPool(m_pool, [this, pJob] {
        if (m_bCancelled) {
            pJob->bCancelled = true;
        } else {
            SaveJob(pJob->work, pJob->strFailure);
        }
        QueueTo(this, [this, pJob] { Done(pJob); });
    });
}

void SaveRunner::Done(const std::shared_ptr<Job>& pJob) {
    TableFile& file = m_model.File(pJob->nRow);
    TableFile& work = pJob->work;
    file.bBusy = false;
    file.pRoot = std::move(work.pRoot);
    file.bResultFailed = !pJob->strFailure.empty();
    if (pJob->bCancelled) {
        file.strResult = "not saved: cancelled";
    } else {
        file.strResult = file.bResultFailed ? "not saved: " + pJob->strFailure : "saved";
        file.strFailure = work.strFailure;
        file.edits = std::move(work.edits);
        RefreshShown(file);
        ++(file.bResultFailed ? m_nFailed : m_nSaved);
    }
    m_model.RowChanged(pJob->nRow);
    emit Progress(m_nTotal - m_nPending + 1, m_nTotal);
    if (--m_nPending == 0) {
        emit Finished(m_nSaved, m_nFailed);
        m_nTotal = m_nSaved = m_nFailed = 0;
    }
}
