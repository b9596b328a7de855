#include "app/RunningCopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Sets an environment variable for the scope; unset when `value` is null.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value, bool set = true)
        : mName(name), mOld(qgetenv(name)), mHad(qEnvironmentVariableIsSet(name)) {
        if (set)
            qputenv(name, value.toLocal8Bit());
        else
            qunsetenv(name);
    }
    ~ScopedVariable() {
        if (mHad)
            qputenv(mName, mOld);
        else
            qunsetenv(mName);
    }

private:
    const char* mName;
    QByteArray mOld;
    bool mHad;
};

int ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

// The lock and socket go to a folder only this user may enter: the runtime
// folder when it is private, else one made in the temporary folder, else one
// in the data folder.
TEST(RunningCopyFolderTest, OnlyAFolderOfTheUsersOwnThatNobodyElseMayEnter) {
    QTemporaryDir temp;
    QTemporaryDir data;
    const ScopedVariable tmpdir("TMPDIR", temp.path());
    const QString own = temp.filePath(QStringLiteral("lumbra-%1").arg(::getuid()));
    const QString runtime = temp.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    const QString fallback = data.filePath(QStringLiteral("run"));

    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
    {
        const ScopedVariable xdg("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(RunningCopyFolder(data.path()), runtime);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0755), 0);
    {
        const ScopedVariable xdg("XDG_RUNTIME_DIR", runtime); // others may enter it
        EXPECT_EQ(RunningCopyFolder(data.path()), own);
        EXPECT_EQ(ModeOf(own), 0700);
    }
    const ScopedVariable noXdg("XDG_RUNTIME_DIR", QString(), false);
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0777), 0);
    EXPECT_EQ(RunningCopyFolder(data.path()), own); // its own folder, narrowed
    EXPECT_EQ(ModeOf(own), 0700);
    EXPECT_EQ(RunningCopy::LockPath(QStringLiteral("k")),
              own + u'/' + RunningCopy::FileName(QStringLiteral("k")) + ".lock");

    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_TRUE(QFile::link(runtime, own)); // a link is nobody's folder
    EXPECT_EQ(RunningCopyFolder(data.path()), fallback);
    EXPECT_EQ(ModeOf(fallback), 0700);
}

// As root: a lock of another user's in the private folder is replaced, and
// the running window it claims is not asked.
TEST(RunningCopyFolderTest, AnotherUsersLockIsNeitherHeldNorAsked) {
    if (::getuid() != 0)
        GTEST_SKIP() << "not root: another user's lock needs chown";
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    QTemporaryDir temp;
    const ScopedVariable tmpdir("TMPDIR", temp.path());
    const ScopedVariable noXdg("XDG_RUNTIME_DIR", QString(), false);
    const QString key = QUuid::createUuid().toString();
    const QString path = RunningCopy::LockPath(key);
    QFile planted(path); // a lock of a live process (this one), as QLockFile writes it
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.write(QByteArray::number(QCoreApplication::applicationPid()) + "\nlumbra\n" +
                  QSysInfo::machineHostName().toUtf8() + "\n");
    planted.close();
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    EXPECT_FALSE(RunningCopy::AskOpenBook(key, 500));
    RunningCopy copy(key);
    EXPECT_TRUE(copy.Claim());
    EXPECT_FALSE(RunningCopy(key).Claim()) << "the new lock is this user's and held";
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
    // Asked through its socket, or refused by the book's lock if that is quicker.
    EXPECT_TRUE(err.contains(QStringLiteral("Lumbra window"))) << err.toStdString();

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

// A command run from cron or `env -i` finds no window through its runtime
// folder; the book's own lock still keeps it out, and names the window.
TEST_F(RunningProgramTest, TheBooksLockHoldsWhereTheWindowCannotBeAsked) {
    MakeBook();
    QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess* window = StartWindow();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QTemporaryDir otherTemp;
    environment.insert(QStringLiteral("TMPDIR"), otherTemp.path());
    const QStringList import{QStringLiteral("--import"), QStringLiteral("Trip"),
                             home.filePath("photo.jpg")};
    QString err;
    QTRY_COMPARE_WITH_TIMEOUT(Run(import, &err), 6, 30000);
    EXPECT_TRUE(
        err.contains(QStringLiteral("the Lumbra window (process %1)").arg(window->processId())))
        << err.toStdString();

    // A second window that cannot reach the first leaves "Trip" alone.
    QProcess* second = StartWindow();
    QDirIterator trip(home.path(), {QStringLiteral("Trip")}, QDir::Dirs,
                      QDirIterator::Subdirectories);
    ASSERT_TRUE(trip.hasNext());
    const QDir books = QFileInfo(trip.next()).dir();
    QTRY_COMPARE_WITH_TIMEOUT(books.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2, 30000);
    EXPECT_EQ(second->state(), QProcess::Running);

    window->kill(); // the kernel lets the lock go
    window->waitForFinished(10000);
    EXPECT_EQ(Run(import, &err), 0) << err.toStdString();
}

// Another user makes the lock and the socket first, wherever the program
// might look (the old place in the shared temporary folder, the place of
// the program's folder there, a runtime folder of theirs), and answers as a
// running window with the book open. The command line still opens the book
// and the window still starts.
TEST_F(RunningProgramTest, AnotherUsersLockAndSocketNeverStopTheProgram) {
    if (::getuid() != 0)
        GTEST_SKIP() << "not root: the other user's lock is made through setpriv as nobody";
    MakeBook();
    QTemporaryDir shared; // a temporary folder all users share
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    const QString runtime = shared.filePath(QStringLiteral("runtime-nobody"));
    environment.insert(QStringLiteral("TMPDIR"), shared.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    const QString name = RunningCopy::FileName(UserFolder() + u'/');
    QString bookFolder;
    QDirIterator books(home.path(), {QStringLiteral("Trip")}, QDir::Dirs,
                       QDirIterator::Subdirectories);
    if (books.hasNext())
        bookFolder = books.next();
    ASSERT_FALSE(bookFolder.isEmpty());

    // The squatter runs from the shared folder: the build's may be closed to nobody.
    const QString squatter = shared.filePath(QStringLiteral("lumbra_copy_squatter"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/lumbra_copy_squatter"),
                            squatter));
    ASSERT_EQ(::chmod(QFile::encodeName(squatter).constData(), 0755), 0);
    QStringList arguments{"--reuid=nobody", "--regid=nogroup", "--clear-groups", squatter,
                          bookFolder};
    for (const QString& folder :
         {shared.path(), shared.filePath(QStringLiteral("lumbra-0")), runtime})
        arguments << QDir(folder).filePath(name + ".lock") << QDir(folder).filePath(name);
    QProcess other;
    other.setProcessEnvironment(environment);
    other.start(QStringLiteral("setpriv"), arguments);
    ASSERT_TRUE(other.waitForReadyRead(20000)) << other.readAllStandardError().toStdString();
    ASSERT_EQ(other.readAll().trimmed(), "ready");

    QString err;
    const QString out = home.filePath(QStringLiteral("out"));
    EXPECT_EQ(Run({QStringLiteral("--preview"), QStringLiteral("Trip"), out}, &err), 0)
        << err.toStdString();
    // The window starts and holds the book: the command line now finds it there.
    QProcess* window = StartWindow();
    QTRY_COMPARE_WITH_TIMEOUT(Run({QStringLiteral("--preview"), QStringLiteral("Trip"), out}), 6,
                              30000);
    EXPECT_EQ(window->state(), QProcess::Running);
    EXPECT_TRUE(QFile::exists(UserFolder() + QStringLiteral("/run/") + name + ".lock"));
    other.kill();
    other.waitForFinished(10000);
}

} // namespace
