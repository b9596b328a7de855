#include "render/PageExportJob.h"

#include <QtConcurrent/QtConcurrentRun>

PageExportJob::PageExportJob(PageExportPlan plan, PageRenderer renderer, QObject* parent)
    : QObject(parent), mPlan(std::move(plan)), mRenderer(std::move(renderer)) {
    connect(&mWatcher, &QFutureWatcher<PageExportResult>::finished, this, &PageExportJob::OnDone);
}

PageExportJob::~PageExportJob() {
    mCancel = true;
    mWatcher.disconnect(this);
    mFuture.waitForFinished();
    // Progress calls still queued for this object are dropped with it.
}

void PageExportJob::Start() {
    if (mFuture.isRunning())
        return;
    mCancel = false;
    auto report = [this](int index, int last) {
        QMetaObject::invokeMethod(
            this, [this, index, last] { emit Progress(index, last); }, Qt::QueuedConnection);
    };
    mFuture = QtConcurrent::run([this, report] { return ExportPages(mPlan, mRenderer, report, &mCancel); });
    mWatcher.setFuture(mFuture);
}

void PageExportJob::OnDone() {
    mResult = mFuture.result();
    emit Finished();
}
