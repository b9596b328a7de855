#include "imaging/TestJpegs.h"

#include "base/BackgroundWork.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <optional>

using namespace TestJpegs;

namespace {

struct PoolRun {
    PhotoImportResult made;
    bool offTheCallingThread = false;
    std::optional<PoolRecord> record;
};

// Runs the photo's import job on the pool as the import queue does (files,
// then the record), then ends the import with the result.
std::optional<PoolRun> RunOnPool(PhotoImage& photo, const PhotoImportJob& job) {
    QObject receiver;
    std::optional<PoolRun> run;
    QThread* const caller = QThread::currentThread();
    RunInBackground(
        &receiver,
        [job, caller] {
            PoolRun done{RunPhotoImport(job), QThread::currentThread() != caller};
            if (done.made.supported)
                done.record = MeasurePhoto(job.stem, NoCameraTime::FileTime);
            return done;
        },
        [&run](const PoolRun& result) { run = result; });
    if (!QTest::qWaitFor([&run] { return run.has_value(); }, 20000))
        return std::nullopt;
    photo.EndImport(run->made.supported, run->record);
    return run;
}

} // namespace

TEST(PhotoImportJob, MakesTheFilesOffTheCallingThread) {
    QTemporaryDir dir;
    const QString book = dir.path() + QStringLiteral("/");
    const QString source = dir.path() + QStringLiteral("/w.jpg");
    Write(source, PhotoLike(640, 480));

    PhotoImage photo;
    const auto run = RunOnPool(photo, photo.BeginImport(source, book));
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->offTheCallingThread);
    EXPECT_TRUE(run->made.supported);
    EXPECT_FALSE(run->made.failure);
    EXPECT_TRUE(photo.IsSupportedFormat());
    EXPECT_EQ(ThumbFileSize(photo, ThumbType::Small).width(), 120);
    EXPECT_EQ(photo.GetWidth(), 640);
}

TEST(PhotoImportJob, ReportsRefusalsAndWriteErrors) {
    QTemporaryDir dir;
    const QString text = dir.path() + QStringLiteral("/notes.jpg");
    WriteBytes(text, "not a picture");
    PhotoImage refused;
    auto run = RunOnPool(refused, refused.BeginImport(text, dir.path() + QStringLiteral("/")));
    ASSERT_TRUE(run);
    EXPECT_FALSE(refused.IsSupportedFormat());
    EXPECT_FALSE(run->made.failure);

    const QString source = dir.path() + QStringLiteral("/ok.jpg");
    Write(source, PhotoLike(64, 48));
    PhotoImage unwritable;
    run = RunOnPool(unwritable,
                    unwritable.BeginImport(source, dir.path() + QStringLiteral("/missing/")));
    ASSERT_TRUE(run);
    EXPECT_FALSE(unwritable.IsSupportedFormat());
    ASSERT_TRUE(run->made.failure);
    // The user is told which file could not be written; the log gets the system's words too.
    const QString missing = dir.path() + QStringLiteral("/missing/");
    EXPECT_TRUE(run->made.failure->message.startsWith(QStringLiteral("Cannot write ") +
                                                      QDir::toNativeSeparators(missing)))
        << run->made.failure->message.toStdString();
    EXPECT_TRUE(run->made.failure->detail.contains(missing))
        << run->made.failure->detail.toStdString();
}
