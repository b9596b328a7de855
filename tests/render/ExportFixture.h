#pragma once

#include "RenderFixtures.h"
#include "imaging/JpegDecode.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "render/PageExportJob.h"
#include "render/PageRenderer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A book "Trip" of 20 default pages (one photo box over the whole page, one
// text box): page 1 holds a red photo, page 2 a text, page 3 a background.
struct ExportTest : ::testing::Test {
    using Writer = PageExportJob::Writer;
    QTemporaryDir dir;
    ModelContext context;
    std::unique_ptr<Book> book;
    std::shared_ptr<PhotoImage> photo;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        context.templates = &TestCatalogue();
        QDir().mkpath(Backgrounds());
        book = std::make_unique<Book>(dir.filePath(QStringLiteral("books")), context);
        book->SetName(QStringLiteral("Trip"));
        const QString source = dir.filePath(QStringLiteral("red.jpg"));
        TestJpegs::Write(source, RenderFixtures::Flat(2890, 2080, Qt::red));
        photo = std::make_shared<PhotoImage>();
        photo->SetImage(source, book->GetBookFolder());
        ASSERT_TRUE(photo->IsSupportedFormat());
        book->Photos().Add(photo);
        book->GetPage(0)->AddPhoto(photo, 100, 100);
        ASSERT_EQ(book->GetPage(0)->Photo(0), photo);
        book->GetPage(1)->SetText(0, RenderFixtures::Rtf(QStringLiteral("HHHH HHHH HHHH")));
        RenderFixtures::WriteBackground(Backgrounds(), QStringLiteral("sky"), Qt::blue, Qt::blue,
                                        Qt::blue, Qt::blue);
        book->GetPage(2)->ChangeBackground(QStringLiteral("sky"));
    }

    QString Backgrounds() const { return dir.filePath(QStringLiteral("bg")); }
    PageRenderer Renderer() const {
        return PageRenderer(Backgrounds(), QSizeF(RenderFixtures::kPageW, RenderFixtures::kPageH));
    }

    // Runs the plan on the thread pool and waits for its end.
    PageExportResult Run(PageExportPlan plan, QList<QList<QVariant>>* progress = nullptr,
                         Writer writer = ExportPages) {
        PageExportJob job(std::move(plan), Renderer(), std::move(writer));
        QSignalSpy finished(&job, &PageExportJob::finished);
        QSignalSpy steps(&job, &PageExportJob::progress);
        job.Start();
        EXPECT_TRUE(finished.wait(60000));
        if (progress)
            *progress = steps;
        return job.Result();
    }

    static QImage Load(const QString& file) {
        return DecodeJpeg(file, [](const JpegHeader&) { return JpegDecodeRequest{}; }).picture;
    }
};

// The failures' messages, a line each, for a test's output.
inline std::string FailureLines(const PageExportResult& result) {
    QStringList lines;
    for (const Failure& failure : result.failures)
        lines << failure.message;
    return lines.join(u'\n').toStdString();
}
