#include "shell/ui/Application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

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

} // namespace

int RunLumbra(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Lumbra");
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshot("screenshot", "Write a screenshot to FILE and quit.", "FILE");
    parser.addOption(screenshot);
    parser.process(app);

    QMainWindow window;
    window.setWindowTitle("Lumbra");
    window.resize(1000, 700);
    window.show();
    if (parser.isSet(screenshot))
        ScheduleScreenshot(parser.value(screenshot));
    return app.exec();
}
