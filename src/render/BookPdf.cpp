#include "render/BookPdf.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/ProgramInfo.h"
#include "model/Book.h"
#include "render/PageGeometry.h"
#include "render/PdfPictures.h"
#include "render/RenderLog.h"
#include "render/TextRender.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Text positions in the PDF are whole dots at this resolution.
constexpr int kPdfDpi = 1200;
constexpr double kMmPerInch = 25.4;

// The texts of the pages, drawn as text over a stand-in picture per page that
// the print page's JPEG replaces afterwards (PdfPictures.h).
class PdfTextPages {
public:
    explicit PdfTextPages(const PdfDocument& document)
        : mBuffer(&mBytes), mPageMm(document.pageMm) {
        mBuffer.open(QIODevice::WriteOnly);
        mWriter = std::make_unique<QPdfWriter>(&mBuffer);
        mWriter->setResolution(kPdfDpi);
        mWriter->setPageSize(QPageSize(document.pageMm, QPageSize::Millimeter));
        mWriter->setPageMargins(QMarginsF(0, 0, 0, 0));
        mWriter->setTitle(document.title);
        mWriter->setCreator(document.creator);
    }

    void Add(const PageSnapshot& page) {
        if (!mPainter.isActive()) {
            if (!mPainter.begin(mWriter.get()))
                throw LumbraError(QStringLiteral("Cannot start the PDF"));
        } else if (!mWriter->newPage()) {
            throw LumbraError(QStringLiteral("Cannot add a PDF page"));
        }
        const double dots = kPdfDpi / kMmPerInch;
        const QRectF whole(0, 0, mPageMm.width() * dots, mPageMm.height() * dots);
        QImage standIn(1, 1, QImage::Format_RGB32);
        standIn.fill(Qt::white);
        mPainter.drawImage(whole, standIn);
        const PageGeometry geometry{float(dots), float(dots)};
        for (size_t i = 0; i < page.textBoxes.size() && i < page.texts.size(); ++i) {
            const TemplateBox& box = page.textBoxes[i];
            BoxTextLayout(page.texts[i], BoxMm(box).size()).Draw(mPainter, geometry.Pixels(box));
        }
    }

    QByteArray Finish() {
        if (mPainter.isActive() && !mPainter.end())
            throw LumbraError(QStringLiteral("Cannot finish the PDF"));
        mWriter.reset();
        return mBytes;
    }

private:
    QByteArray mBytes;
    QBuffer mBuffer;
    QSizeF mPageMm;
    std::unique_ptr<QPdfWriter> mWriter;
    QPainter mPainter;
};

// The plan's pages without their texts: the PDF draws those itself.
PageExportPlan WithoutTexts(PageExportPlan plan) {
    for (PageFileTask& task : plan.tasks)
        task.page.texts.assign(task.page.texts.size(), QString());
    return plan;
}

QString UserName() {
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
    return QDir::home().dirName();
}

} // namespace

PageExportPlan PlanPdf(const Book& book, QSize printSize) {
    return PlanPrint(book, QString(), printSize);
}

PdfDocument PdfDocumentFor(const Book& book, const QString& file, QSizeF pageMm) {
    return {file, book.GetName(), UserName(), QStringLiteral("Lumbra ") + ProgramVersionText(),
            pageMm};
}

PageExportResult ExportPdf(const PageExportPlan& plan, const PdfDocument& document,
                           const PageRenderer& renderer,
                           const std::function<void(int, int)>& progress,
                           const std::atomic<bool>* cancel) {
    PageExportResult result;
    const int count = int(plan.tasks.size());
    PdfTextPages pages(document);
    std::vector<PdfPicture> pictures;
    std::vector<Failure> errors; // pages missing from the file: none is written
    result.cancelled = !RenderPagesInOrder(
        WithoutTexts(plan), renderer,
        [&](int index, const RenderedPage& page) {
            const int number = index + 1;
            for (const QString& name : page.problems)
                result.failures.push_back(MissingPhotoFailure(number, name));
            if (!page.jpeg) {
                errors.push_back(PageFailure(number, page.jpeg.Error()));
                return;
            }
            if (!errors.empty())
                return; // no file will be written
            const Result<void> added =
                ResultOf([&] { pages.Add(plan.tasks[size_t(index)].page); },
                         QCoreApplication::translate("PageExport", "the page could not be made"));
            if (!added) {
                errors.push_back(PageFailure(number, added.Error()));
                return;
            }
            pictures.push_back({page.jpeg.Value()});
            if (progress)
                progress(index, count);
        },
        cancel);
    result.failures.insert(result.failures.begin(), errors.begin(), errors.end());
    if (result.cancelled || !errors.empty() || count == 0)
        return result;
    const Result<void> saved = ResultOf(
        [&] {
            PdfMetadata metadata{document.title, document.author, document.creator,
                                 document.pageMm};
            WriteFileAtomically(document.file, WithPictures(pages.Finish(), pictures, metadata));
        },
        QCoreApplication::translate("PageExport", "The PDF file could not be made."));
    if (!saved) {
        result.failures.insert(result.failures.begin(), saved.Error());
        return result;
    }
    result.written = count;
    if (progress)
        progress(count, count);
    return result;
}
