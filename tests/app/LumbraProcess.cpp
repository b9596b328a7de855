#include "LumbraProcess.h"

#include "base/Constants.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/TestJpegs.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>

#include <sys/resource.h>

void LumbraProcess::SetUp() {
    ASSERT_TRUE(home.isValid());
    books = home.filePath(QStringLiteral("books"));
}

LumbraProcess::Outcome LumbraProcess::Run(QStringList arguments, uint64_t addressSpaceLimit) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(variable),
                           home.filePath(QString::fromLatin1(variable)));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANGUAGE"), locale.section(u'.', 0, 0));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks offscreen itself
    process.setProcessEnvironment(environment);
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
