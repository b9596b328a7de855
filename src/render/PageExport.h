#pragma once

#include "base/Result.h"
#include "render/PageScene.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

class Book;
class PageRenderer;
class Templates;

// Pages written as JPEG files (quality 75, through a temporary file and a
// rename): the book preview and the print-size pages.

struct PageFileTask {
    PageSnapshot page;
    QString file;
};

struct PageOutput {
    enum class Kind { Preview, Print };
    Kind kind = Kind::Preview;
    QSize printSize; // Print: the page's pixel size
};

// A set of page files to write: the target folder and one task per page.
struct PageExportPlan {
    QString folder;
    std::vector<PageFileTask> tasks;
    PageOutput output;
    int threads = 0; // pages rendered at once; 0: one per core
};

struct PageExportResult {
    int written = 0;
    std::vector<Failure> failures; // one per page not written or photo left out
    bool cancelled = false;
};

// A failure of page `number` (1-based): "Page 3: ..." for the user, the
// page named in the detail too.
Failure PageFailure(int number, const Failure& failure);
// A photo left out of page `number` since its file could not be read.
Failure MissingPhotoFailure(int number, const QString& photoName);

// The print size: round(PageWidth x GetXRatio) x round(PageHeight x GetYRatio).
QSize PrintPageSize(const Templates& catalogue);

// UI thread. The preview of `book` as Book::PreviewBook names it: folder
// outputFolder/<book name>, files "PG1.jpg", "PG2.jpg", ... (ExportPages
// makes the folder).
PageExportPlan PlanPreview(const Book& book, const QString& outputFolder);
// UI thread. Every page at print size into `folder`: "1.jpg", "2.jpg", ...
PageExportPlan PlanPrint(const Book& book, const QString& folder, QSize printSize);

// Renders one page and encodes it as its file's bytes. Names of photos left
// out are added to `problems`. Throws LumbraError when it cannot be made.
QByteArray RenderPageFile(const PageSnapshot& page, const PageOutput& output,
                          const PageRenderer& renderer, QStringList* problems);
// RenderPageFile, then the file written. Throws LumbraError.
void WritePageFile(const PageFileTask& task, const PageOutput& output, const PageRenderer& renderer,
                   QStringList* problems);

// One page rendered and encoded: the file's bytes, or why it could not be made.
struct RenderedPage {
    Result<QByteArray> jpeg = QByteArray();
    QStringList problems; // names of photos left out
};

// Any thread: renders the plan's pages on a pool of its own (plan.threads,
// at most two pages a thread ahead of the one delivered) and hands them to
// `deliver` in page order. Once `cancel` is set nothing more is delivered;
// the pages being rendered are finished and dropped before it returns.
// False when cancelled.
bool RenderPagesInOrder(const PageExportPlan& plan, const PageRenderer& renderer,
                        const std::function<void(int index, const RenderedPage& page)>& deliver,
                        const std::atomic<bool>* cancel = nullptr);

// Any thread: renders the plan's pages on a pool of its own (plan.threads,
// at most two pages a thread ahead of the one written) and writes their
// files in page order, going on after a page that fails; `progress(index,
// last)` after each page. Once `cancel` is set no further file is written;
// the pages being rendered are finished and dropped before it returns.
PageExportResult ExportPages(const PageExportPlan& plan, const PageRenderer& renderer,
                             const std::function<void(int index, int last)>& progress = {},
                             const std::atomic<bool>* cancel = nullptr);
