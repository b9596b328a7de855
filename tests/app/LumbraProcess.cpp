#include "LumbraProcess.h"

#include "base/Constants.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

void LumbraProcess::SetUp() {
    ASSERT_TRUE(home.isValid());
    books = home.filePath(QStringLiteral("books"));
}

QProcessEnvironment LumbraProcess::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(variable),
                           home.filePath(QString::fromLatin1(variable)));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANGUAGE"), locale.section(u'.', 0, 0));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks offscreen itself
    return environment;
}

LumbraProcess::Outcome LumbraProcess::Run(QStringList arguments, uint64_t addressSpaceLimit) {
    QProcess process;
    process.setProcessEnvironment(Environment());
    if (addressSpaceLimit > 0)
        process.setChildProcessModifier([addressSpaceLimit] {
            const rlimit limit{addressSpaceLimit, addressSpaceLimit};
            setrlimit(RLIMIT_AS, &limit);
        });
    arguments << QStringLiteral("--books-folder") << books;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra"), arguments);
    Outcome outcome;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.exitCode = process.exitCode();
    outcome.out =
        QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

void LumbraProcess::MakeBook(const QString& name) {
    ModelContext context;
    context.templates = &TestCatalogue();
    Book book(books + u'/', context);
    book.CreateOnDisk(name);
}

QString LumbraProcess::Jpeg(const QString& name, QColor colour) {
    const QString path = home.filePath(name);
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    TestJpegs::Write(path, image);
    return path;
}

QSize LumbraProcess::SizeOf(const QString& file) {
    const FiBitmap dib = FiLoad(FIF_JPEG, file, 0);
    return {dib.width(), dib.height()};
}

QString LumbraProcess::Status(const char16_t* key, const QString& path) {
    Constants strings;
    strings.LoadLanguageFile(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/English.txt"));
    return strings.Text(key) + QStringLiteral(" :") + path;
}

// posix_spawn and wait4 rather than QProcess: wait4 gives the resource use of
// this one child.
LumbraProcess::Outcome LumbraProcess::RunServing(QStringList arguments, Measured* measured) {
    arguments << QStringLiteral("--books-folder") << books;
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra");
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> variables;
    for (const QString& line : Environment().toStringList())
        variables.push_back(line.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const QByteArray outPath = QFile::encodeName(home.filePath(QStringLiteral("child.out")));
    const QByteArray errPath = QFile::encodeName(home.filePath(QStringLiteral("child.err")));
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    Outcome outcome;
    if (spawned != 0)
        return outcome;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (clock.elapsed() > 120000)
            kill(pid, SIGKILL);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    measured->elapsedMs = clock.elapsed();
    measured->peakRssKb = usage.ru_maxrss;
    if (!WIFEXITED(status))
        return outcome;
    outcome.exitCode = WEXITSTATUS(status);
    QFile out(home.filePath(QStringLiteral("child.out")));
    QFile err(home.filePath(QStringLiteral("child.err")));
    if (out.open(QIODevice::ReadOnly))
        outcome.out = QString::fromUtf8(out.readAll()).split('\n', Qt::SkipEmptyParts);
    if (err.open(QIODevice::ReadOnly))
        outcome.err = QString::fromUtf8(err.readAll());
    return outcome;
}
