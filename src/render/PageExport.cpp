#include "render/PageExport.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/JpegEncode.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "render/PreviewCanvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <deque>

namespace {

RenderedPage EncodePage(const PageSnapshot& page, const PageOutput& output,
                        const PageRenderer& renderer) {
    RenderedPage encoded;
    encoded.jpeg =
        ResultOf([&] { return RenderPageFile(page, output, renderer, &encoded.problems); },
                 QCoreApplication::translate("PageExport", "the page could not be made"));
    return encoded;
}

void WriteEncoded(const RenderedPage& page, const QString& file, int number,
                  PageExportResult& result) {
    Result<void> written = page.jpeg.HasValue() ? Result<void>() : page.jpeg.Error();
    if (written)
        written = ResultOf(
            [&] { WriteFileAtomically(file, page.jpeg.Value()); },
            QCoreApplication::translate("PageExport", "the page file could not be written"));
    if (written)
        ++result.written;
    else
        result.failures.push_back(PageFailure(number, written.Error()));
    for (const QString& name : page.problems)
        result.failures.push_back(MissingPhotoFailure(number, name));
}

} // namespace

Failure PageFailure(int number, const Failure& failure) {
    return {
        QCoreApplication::translate("PageExport", "Page %1: %2").arg(number).arg(failure.message),
        QStringLiteral("page %1 not written: %2").arg(number).arg(failure.detail)};
}

Failure MissingPhotoFailure(int number, const QString& photoName) {
    return {QCoreApplication::translate("PageExport", "Page %1: photo %2 could not be read")
                .arg(number)
                .arg(photoName),
            QStringLiteral("page %1: photo %2 left out, its file could not be read")
                .arg(number)
                .arg(photoName)};
}

QSize PrintPageSize(const Templates& catalogue) {
    return {int(RoundHalfEven(catalogue.PageWidth() * catalogue.GetXRatio())),
            int(RoundHalfEven(catalogue.PageHeight() * catalogue.GetYRatio()))};
}

PageExportPlan PlanPreview(const Book& book, const QString& outputFolder) {
    PageExportPlan plan;
    plan.output.kind = PageOutput::Kind::Preview;
    plan.folder = book.PreviewBook(outputFolder, [&plan](const Page& aPage, const QString& file) {
        plan.tasks.push_back({SnapshotPage(aPage), file});
    });
    return plan;
}

PageExportPlan PlanPrint(const Book& book, const QString& folder, QSize printSize) {
    PageExportPlan plan;
    plan.folder = folder;
    plan.output = {PageOutput::Kind::Print, printSize};
    for (int i = 0; i < book.PagesCount(); ++i)
        plan.tasks.push_back({SnapshotPage(*book.GetPage(i)),
                              QDir(folder).filePath(QStringLiteral("%1.jpg").arg(i + 1))});
    return plan;
}

QByteArray RenderPageFile(const PageSnapshot& page, const PageOutput& output,
                          const PageRenderer& renderer, QStringList* problems) {
    const QImage picture =
        output.kind == PageOutput::Kind::Preview
            ? ComposePreviewPage(page, renderer, problems)
            : renderer.Render(page, output.printSize, RenderMode::Print, problems);
    return EncodePageJpeg(picture);
}

void WritePageFile(const PageFileTask& task, const PageOutput& output, const PageRenderer& renderer,
                   QStringList* problems) {
    WriteFileAtomically(task.file, RenderPageFile(task.page, output, renderer, problems));
}

bool RenderPagesInOrder(const PageExportPlan& plan, const PageRenderer& renderer,
                        const std::function<void(int index, const RenderedPage& page)>& deliver,
                        const std::atomic<bool>* cancel) {
    const int count = int(plan.tasks.size());
    const int threads = plan.threads > 0 ? plan.threads : std::max(1, QThread::idealThreadCount());
    const int ahead = 2 * threads;
    std::deque<QFuture<RenderedPage>> running;
    QThreadPool pool; // last declared: its destructor waits for the pages still rendering
    pool.setMaxThreadCount(threads);
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    bool stopped = false;
    int started = 0;
    for (int i = 0; i < count && !stopped; ++i) {
        for (; started < count && started < i + ahead && !cancelled(); ++started) {
            const PageFileTask& task = plan.tasks[size_t(started)];
            running.push_back(QtConcurrent::run(&pool, [&task, &plan, &renderer] {
                return EncodePage(task.page, plan.output, renderer);
            }));
        }
        stopped = cancelled();
        if (stopped)
            break;
        const RenderedPage page = running.front().result();
        running.pop_front();
        stopped = cancelled();
        if (!stopped)
            deliver(i, page);
    }
    pool.clear();
    pool.waitForDone();
    return !stopped;
}

PageExportResult ExportPages(const PageExportPlan& plan, const PageRenderer& renderer,
                             const std::function<void(int, int)>& progress,
                             const std::atomic<bool>* cancel) {
    PageExportResult result;
    QDir().mkpath(plan.folder); // a folder that cannot be made fails each page's write
    const int last = int(plan.tasks.size()) - 1;
    result.cancelled = !RenderPagesInOrder(
        plan, renderer,
        [&](int index, const RenderedPage& page) {
            WriteEncoded(page, plan.tasks[size_t(index)].file, index + 1, result);
            if (progress)
                progress(index, last);
        },
        cancel);
    return result;
}
