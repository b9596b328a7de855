#include "imaging/TestJpegs.h"

#include "model/PhotoImage.h"
#include "imaging/PhotoImportWorker.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

// Runs the photo's import job on the pool; returns the Finished arguments.
QList<QVariant> RunOnPool(PhotoImage& photo, const PhotoImportJob& job) {
    auto* worker = new PhotoImportWorker(job);
    QSignalSpy spy(worker, &PhotoImportWorker::Finished);
    worker->setAutoDelete(false);
    QThreadPool::globalInstance()->start(worker);
    // The spy records on the worker's thread, so the report is there once the job is done.
    QThreadPool::globalInstance()->waitForDone(20000);
    const bool reported = !spy.isEmpty();
    delete worker;
    if (!reported || spy.isEmpty())
        return {};
    const QList<QVariant> args = spy.takeFirst();
    photo.EndImport(args.at(1).toBool());
    return args;
}

} // namespace

TEST(PhotoImportWorker, MakesTheFilesOffTheCallingThread) {
    QTemporaryDir dir;
    const QString book = dir.path() + QStringLiteral("/");
    const QString source = dir.path() + QStringLiteral("/w.jpg");
    Write(source, PhotoLike(640, 480));

    PhotoImage photo;
    const QList<QVariant> args = RunOnPool(photo, photo.BeginImport(source, book));
    ASSERT_EQ(args.size(), 3);
    EXPECT_EQ(args.at(0).toString(), source);
    EXPECT_TRUE(args.at(2).toString().isEmpty());
    EXPECT_TRUE(photo.IsSupportFormat());
    EXPECT_EQ(photo.GetThumbWidth(ThumbType::Small), 120);
    EXPECT_EQ(photo.GetWidth(), 640);
}

TEST(PhotoImportWorker, ReportsRefusalsAndWriteErrors) {
    QTemporaryDir dir;
    const QString text = dir.path() + QStringLiteral("/notes.jpg");
    WriteBytes(text, "not a picture");
    PhotoImage refused;
    QList<QVariant> args = RunOnPool(refused, refused.BeginImport(text, dir.path() + QStringLiteral("/")));
    ASSERT_EQ(args.size(), 3);
    EXPECT_FALSE(refused.IsSupportFormat());
    EXPECT_TRUE(args.at(2).toString().isEmpty());

    const QString source = dir.path() + QStringLiteral("/ok.jpg");
    Write(source, PhotoLike(64, 48));
    PhotoImage unwritable;
    args = RunOnPool(unwritable, unwritable.BeginImport(source, dir.path() + QStringLiteral("/missing/")));
    ASSERT_EQ(args.size(), 3);
    EXPECT_FALSE(unwritable.IsSupportFormat());
    EXPECT_FALSE(args.at(2).toString().isEmpty());
}
