#include "render/PageRenderQueue.h"

#include "render/PageRenderer.h"
#include "imaging/PaintSurface.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

QImage RenderSnapshot(const std::shared_ptr<const PageRenderer>& renderer, const PageSnapshot& snapshot,
                      QSize size, RenderMode mode) {
    if (!renderer)
        return QImage();
    try {
        const PageScene scene = DetachedScene(snapshot);
        const auto surface =
            renderer->RenderPageBitMap(scene, size.width(), size.height(), mode);
        return surface && surface->image() ? surface->image()->copy() : QImage();
    } catch (...) {
        return QImage(); // the surface stays white
    }
}

} // namespace

PageRenderQueue::PageRenderQueue(QObject* parent) : QObject(parent) {
    connect(&mWatcher, &QFutureWatcher<QImage>::finished, this, &PageRenderQueue::OnFinished);
}

PageRenderQueue::~PageRenderQueue() {
    mWatcher.waitForFinished();
}

std::shared_ptr<const PageRenderer> PageRenderQueue::Renderer() {
    if (!mRenderer) {
        try {
            mRenderer = std::make_shared<const PageRenderer>(PageRenderer::FromServices());
        } catch (...) {
            return nullptr; // no catalogue or folders yet
        }
    }
    return mRenderer;
}

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
    mWatcher.setFuture(QtConcurrent::run([renderer = Renderer(), job = std::move(job)] {
        return RenderSnapshot(renderer, job.snapshot, job.size, job.mode);
    }));
}

void PageRenderQueue::OnFinished() {
    mRunning = false;
    const bool cancelled = mRunningCancelled;
    const QImage picture = mWatcher.future().result();
    // A newer request of the same page may wait: show this one meanwhile.
    if (!cancelled)
        emit Rendered(picture);
    StartNext();
}
