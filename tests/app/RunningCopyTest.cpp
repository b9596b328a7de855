#include "app/RunningCopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {

// Runs `ask` on a thread of its own while this thread serves the socket.
template <typename T> T AskWhileServing(const std::function<T()>& ask) {
    std::optional<T> answer;
    std::atomic<bool> done = false;
    std::thread asker([&] {
        answer = ask();
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
    asker.join();
    return *answer;
}

TEST(RunningCopyTest, OneCopyHoldsTheKeyAndAnswersTheOthers) {
    const QString key = QUuid::createUuid().toString();
    EXPECT_FALSE(RunningCopy::AskOpenBook(key, 500)) << "nobody runs yet";

    auto first = std::make_unique<RunningCopy>(key);
    ASSERT_TRUE(first->Claim());
    EXPECT_FALSE(RunningCopy(key).Claim());
    int activated = 0;
    QString open = QStringLiteral("/books/Trip/");
    first->Serve([&] { ++activated; }, [&] { return open; });

    EXPECT_TRUE(AskWhileServing<bool>([&] { return RunningCopy::AskToActivate(key); }));
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(
        AskWhileServing<std::optional<QString>>([&] { return RunningCopy::AskOpenBook(key); }),
        QStringLiteral("/books/Trip"));
    open.clear();
    EXPECT_EQ(
        AskWhileServing<std::optional<QString>>([&] { return RunningCopy::AskOpenBook(key); }),
        QString());

    first.reset(); // the window closed: the next start runs
    RunningCopy next(key);
    EXPECT_TRUE(next.Claim());
}

// The program's window and command line in a home of their own.
class RunningProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            environment.insert(QString::fromLatin1(variable),
                               home.filePath(QString::fromLatin1(variable)));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        data = home.filePath(QStringLiteral("XDG_DATA_HOME"));
    }
    void TearDown() override {
        for (auto& process : windows) {
            process->kill();
            process->waitForFinished(10000);
        }
    }

    QProcess* StartWindow() {
        windows.push_back(std::make_unique<QProcess>());
        QProcess* process = windows.back().get();
        process->setProcessEnvironment(environment);
        process->start(Program(), {});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    int Run(const QStringList& arguments, QString* err = nullptr) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(Program(), arguments);
        if (!process.waitForFinished(120000))
            return -1;
        if (err)
            *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    // A book "Trip" of one photo, opened without the introduction.
    void MakeBook() {
        const QString photo = home.filePath(QStringLiteral("photo.jpg"));
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(photo, "JPG"));
        ASSERT_EQ(Run({QStringLiteral("--import"), QStringLiteral("Trip"), photo}), 0);
        QFile settings(UserFolder() + QStringLiteral("/Brelk.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("IntroPanel=0\r\n");
    }

    QString UserFolder() const { return data + QStringLiteral("/Lumbra/Brelk"); }

    // Every file below the data folder with its size and time.
    QStringList Snapshot() const {
        QStringList files;
        QDirIterator it(data, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            files << QStringLiteral("%1 %2 %3")
                         .arg(info.filePath())
                         .arg(info.size())
                         .arg(info.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }

    static QString Program() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra");
    }

    QTemporaryDir home;
    QString data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<QProcess>> windows;
};

TEST_F(RunningProgramTest, TwoStartsLeaveOneWindowAndTheSecondWritesNothing) {
    MakeBook();
    QProcess* a = StartWindow();
    QProcess* b = StartWindow();
    // One of the two gives way within seconds and says why.
    QTRY_VERIFY_WITH_TIMEOUT(
        a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 20000);
    QProcess* gone = a->state() == QProcess::NotRunning ? a : b;
    QProcess* running = gone == a ? b : a;
    EXPECT_EQ(gone->exitCode(), 0);
    EXPECT_TRUE(gone->readAllStandardError().contains("already running"));
    QTest::qWait(1500);
    EXPECT_EQ(running->state(), QProcess::Running);

    // The window has "Trip" open: the command line keeps its hands off.
    QString err;
    QTRY_COMPARE_WITH_TIMEOUT(
        Run({QStringLiteral("--import"), QStringLiteral("Trip"), home.filePath("photo.jpg")}, &err),
        6, 20000);
    EXPECT_TRUE(err.contains(QStringLiteral("open in the running Lumbra window")))
        << err.toStdString();

    // A later start while the window runs changes no file.
    const QStringList before = Snapshot();
    QProcess* later = StartWindow();
    ASSERT_TRUE(later->waitForFinished(20000));
    EXPECT_EQ(later->exitCode(), 0);
    EXPECT_EQ(Snapshot(), before);

    // Once the window is gone (even killed), the book is free again.
    running->kill();
    running->waitForFinished(10000);
    EXPECT_EQ(Run({QStringLiteral("--import"), QStringLiteral("Trip"), home.filePath("photo.jpg")}),
              0);
}

} // namespace
