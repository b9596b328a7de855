#pragma once

#include "render/PageExport.h"
#include "render/PageRenderer.h"

#include <QFuture>
#include <QObject>

#include <atomic>
#include <functional>

// Writes a page export plan on the thread pool.
//
// The plan holds snapshots only (made on the UI thread by PlanPreview or
// PlanPrint), so the worker never touches a page, a photo or the book while
// the UI thread goes on editing them. The result comes back through
// RunInBackground, progress as queued calls, both on the job's own thread.
// Dropping the job cancels it and waits for the page being written.
class PageExportJob : public QObject {
    Q_OBJECT
public:
    // What writes the plan on the pool (ExportPages unless given).
    using Writer = std::function<PageExportResult(
        const PageExportPlan& plan, const PageRenderer& renderer,
        const std::function<void(int index, int last)>& progress, const std::atomic<bool>* cancel)>;

    PageExportJob(PageExportPlan plan, PageRenderer renderer, QObject* parent = nullptr);
    PageExportJob(PageExportPlan plan, PageRenderer renderer, Writer writer,
                  QObject* parent = nullptr);
    ~PageExportJob() override;

    void Start();
    // The pages not begun yet are left out; Finished still comes.
    void Cancel() { mCancel = true; }
    bool IsRunning() const { return mFuture.isRunning(); }

    const QString& Folder() const { return mPlan.folder; }
    int PageCount() const { return int(mPlan.tasks.size()); }
    // Valid after Finished.
    const PageExportResult& Result() const { return mResult; }

signals:
    // After each page: its index and the last index.
    void progress(int index, int last);
    void finished();

private:
    const PageExportPlan mPlan;
    const PageRenderer mRenderer;
    const Writer mWriter;
    std::atomic<bool> mCancel{false};
    QFuture<PageExportResult> mFuture;
    PageExportResult mResult;
};
