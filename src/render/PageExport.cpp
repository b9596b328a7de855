#include "render/PageExport.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "imaging/FreeImageBridge.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"
#include "render/PreviewCanvas.h"

#include <QDir>

namespace {

constexpr int cPageJpegFlags = 256; // JPEG_QUALITYGOOD

} // namespace

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

void WritePageFile(const PageFileTask& task, const PageOutput& output, const PageRenderer& renderer,
                   QStringList* problems) {
    const PageScene scene = DetachedScene(task.page);
    const FiBitmap picture =
        output.kind == PageOutput::Kind::Preview
            ? ComposePreviewPage(scene, renderer, problems)
            : renderer.RenderPageFreeImage(scene, output.printSize.width(),
                                           output.printSize.height(), problems);
    FiSaveAtomically(FIF_JPEG, picture.get(), task.file, cPageJpegFlags);
}

PageExportResult ExportPages(const PageExportPlan& plan, const PageRenderer& renderer,
                             const std::function<void(int, int)>& progress,
                             const std::atomic<bool>* cancel) {
    PageExportResult result;
    const int last = int(plan.tasks.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        if (cancel && cancel->load()) {
            result.cancelled = true;
            break;
        }
        const PageFileTask& task = plan.tasks[size_t(i)];
        QStringList missing;
        try {
            WritePageFile(task, plan.output, renderer, &missing);
            ++result.written;
        } catch (const LumbraError& e) {
            result.failures << QStringLiteral("Page %1: %2").arg(i + 1).arg(e.Message());
        }
        for (const QString& name : missing)
            result.failures
                << QStringLiteral("Page %1: photo %2 could not be read").arg(i + 1).arg(name);
        if (progress)
            progress(i, last);
    }
    return result;
}
