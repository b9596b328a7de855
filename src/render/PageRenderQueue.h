#pragma once

#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QSize>
#include <memory>
#include <optional>

// Renders a page surface's picture on the thread pool from a snapshot of
// the page (RunInBackground), one rendering at a time: a request made while
// one runs waits, and a newer request replaces the waiting one. Cancel
// before requesting another page, so no picture of the old one arrives.
// Dropping the queue waits for the running rendering.
class PageRenderQueue : public QObject {
    Q_OBJECT
public:
    explicit PageRenderQueue(QObject* parent = nullptr);
    ~PageRenderQueue() override;

    // Without a renderer every rendering comes back null.
    void SetRenderer(std::shared_ptr<const PageRenderer> renderer) {
        mRenderer = std::move(renderer);
    }
    // mode: Editing for a page surface, Thumbnail for the album overview.
    void Request(PageSnapshot snapshot, QSize size, RenderMode mode = RenderMode::Editing);
    // Forgets the waiting request and the result of the running one.
    void Cancel();
    bool Busy() const { return mRunning || mWaiting.has_value(); }

signals:
    // The rendering; null when it failed.
    void rendered(const QImage& picture);

private:
    struct Job {
        PageSnapshot snapshot;
        QSize size;
        RenderMode mode;
    };
    void StartNext();
    void OnFinished(const QImage& picture);

    std::shared_ptr<const PageRenderer> mRenderer;
    std::optional<Job> mWaiting;
    bool mRunning = false;
    bool mRunningCancelled = false;
    QFuture<QImage> mRunningRender;
};
