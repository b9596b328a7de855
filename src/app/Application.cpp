#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "base/DataFolder.h"
#include "base/LumbraError.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// Under a virtual screen: wait for the window to settle, grab the screen, quit.
void ScheduleScreenshot(const QString& path) {
    QTimer::singleShot(1500, qApp, [path] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen)
            screen->grabWindow(0).save(path);
        QApplication::quit();
    });
}

// Start-up cannot go on: one line on stderr always, a message box when
// there is a screen to show it on.
void ReportStartUpFailure(const QString& message) {
    std::fprintf(stderr, "Lumbra: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("Lumbra"), message);
}

} // namespace

int RunLumbra(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsHeadlessCommand(arguments))
        return RunHeadlessCommand(argc, argv);

    QApplication app(argc, argv);
    app.setApplicationName("Lumbra");
    app.setWindowIcon(
        QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra.png")));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshot("screenshot", "Write a screenshot to FILE and quit.", "FILE");
    parser.addOption(screenshot);
    QCommandLineOption scene("scene",
                             "With --screenshot: column, photo-editor, text-editor, album, "
                             "backgrounds, column-album or column-backgrounds.",
                             "NAME");
    parser.addOption(scene);
    parser.process(app);

    StartUpOptions options;
    options.dataFolder = DataFolder();
    if (parser.isSet(screenshot))
        options.showIntroduction = [](MainWindow&) {}; // nothing modal in the way of the picture
    StartUp startUp(options);
    try {
        startUp.Run();
    } catch (const LumbraError& e) {
        ReportStartUpFailure(e.Message());
        return 2;
    }
    if (parser.isSet(screenshot)) {
        if (parser.isSet(scene) && startUp.MainWindow()) {
            MainWindow* window = startUp.MainWindow();
            const QString name = parser.value(scene);
            QTimer::singleShot(700, window, [window, name] { window->ShowScene(name); });
        }
        ScheduleScreenshot(parser.value(screenshot));
    }
    return app.exec();
}
