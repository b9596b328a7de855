#include "render/PageRenderQueue.h"

#include "base/BackgroundWork.h"
#include "render/PageRenderer.h"

namespace {

// A rendering that throws comes back null (RunInBackground logs it): the
// surface stays white.
QImage RenderSnapshot(const std::shared_ptr<const PageRenderer>& renderer,
                      const PageSnapshot& snapshot, QSize size, RenderMode mode) {
    if (!renderer)
        return QImage();
    return renderer->Render(snapshot, size, mode);
}

} // namespace

PageRenderQueue::PageRenderQueue(QObject* parent) : QObject(parent) {}

PageRenderQueue::~PageRenderQueue() { mRunningRender.waitForFinished(); }

void PageRenderQueue::Request(PageSnapshot snapshot, QSize size, RenderMode mode) {
    mWaiting = Job{std::move(snapshot), size, mode};
    if (!mRunning)
        StartNext();
}

void PageRenderQueue::Cancel() {
    mWaiting.reset();
    mRunningCancelled = mRunning;
}

void PageRenderQueue::StartNext() {
    if (!mWaiting)
        return;
    Job job = std::move(*mWaiting);
    mWaiting.reset();
    mRunning = true;
    mRunningCancelled = false;
    mRunningRender = RunInBackground(
        this,
        [renderer = mRenderer, job = std::move(job)] {
            return RenderSnapshot(renderer, job.snapshot, job.size, job.mode);
        },
        [this](const QImage& picture) { OnFinished(picture); });
}

void PageRenderQueue::OnFinished(const QImage& picture) {
    mRunning = false;
    const bool cancelled = mRunningCancelled;
    // A newer request of the same page may wait: show this one meanwhile.
    if (!cancelled)
        emit rendered(picture);
    StartNext();
}
