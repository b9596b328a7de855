#include "render/PageExportJob.h"

#include "base/BackgroundWork.h"

PageExportJob::PageExportJob(PageExportPlan plan, PageRenderer renderer, QObject* parent)
    : PageExportJob(std::move(plan), std::move(renderer), ExportPages, parent) {}

PageExportJob::PageExportJob(PageExportPlan plan, PageRenderer renderer, Writer writer,
                             QObject* parent)
    : QObject(parent), mPlan(std::move(plan)), mRenderer(std::move(renderer)),
      mWriter(std::move(writer)) {}

// The running job reports to this object and reads mCancel: wait for it.
// The result and the progress calls still queued are dropped with this object.
PageExportJob::~PageExportJob() {
    mCancel = true;
    mFuture.waitForFinished();
}

void PageExportJob::Start() {
    if (mFuture.isRunning())
        return;
    mCancel = false;
    auto report = [this](int index, int last) {
        QMetaObject::invokeMethod(
            this, [this, index, last] { emit progress(index, last); }, Qt::QueuedConnection);
    };
    mFuture = RunInBackground(
        this,
        [plan = mPlan, renderer = mRenderer, writer = mWriter, report, cancel = &mCancel] {
            return writer(plan, renderer, report, cancel);
        },
        [this](const PageExportResult& result) {
            mResult = result;
            emit finished();
        });
}
