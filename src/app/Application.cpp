#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/ProgramArguments.h"
#include "app/RunningCopy.h"
#include "app/StartUp.h"
#include "app/UploadCommand.h"
#include "base/DataFolder.h"
#include "base/LumbraError.h"
#include "base/MemoryTuning.h"
#include "base/ProgramTranslations.h"
#include "base/UserFolders.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "ui/common/ProgramIcons.h"
#include "ui/common/WebEngineSetup.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/ScreenshotScenes.h"
#include "ui/order/OrderWizardScene.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// Under a virtual screen: wait for the window to settle, grab the screen, quit.
void ScheduleScreenshot(const QString& path, int delayMs) {
    QTimer::singleShot(delayMs > 0 ? delayMs : 1500, qApp, [path] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen)
            screen->grabWindow(0).save(path);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(window))
                window->hide(); // an open order would ask before closing
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

// A second start: the running window comes to the front and this copy ends
// without touching a book. A first copy still starting on a busy machine
// answers once its window is up, which may take some seconds.
int HandOverToRunningCopy() {
    ProgramTranslations translations;
    translations.Install(DataFolder(), QLocale::system());
    if (RunningCopy::AskToActivate(RunningCopyKey(), 15000)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(CommandLineText::tr(
                         "Lumbra is already running; its window was brought to the front.")));
        return ExitOk;
    }
    ReportStartUpFailure(CommandLineText::tr("Lumbra is already running for this user. Use its "
                                             "window, or close it before starting Lumbra again."));
    return ExitStartFailed;
}

void BringToFront(QWidget* window) {
    if (!window)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

// The window, photographed and closed when a screenshot is asked for.
int RunWindow(int& argc, char** argv, const ProgramArguments& request) {
    PrepareWebEngine();
    QApplication app(argc, argv);
    app.setApplicationName("Lumbra");
    app.setDesktopFileName(QStringLiteral(LUMBRA_APP_ID));
    app.setWindowIcon(ProgramIcon(QStringLiteral("lumbra")));
    const bool screenshot = !request.screenshot.isEmpty();

    if (const QString variable = UnreadableFolderVariable(); !variable.isEmpty()) {
        ProgramTranslations translations;
        translations.Install(DataFolder(), QLocale::system());
        ReportStartUpFailure(UnreadableFolderMessage(variable));
        return ExitFolderFailed;
    }
    RunningCopy running(RunningCopyKey());
    if (!running.Claim())
        return HandOverToRunningCopy();

    StartUpOptions options;
    options.dataFolder = DataFolder();
    if (screenshot)
        options.showIntroduction = [](MainWindow&) {}; // nothing modal in the way of the picture
    StartUp startUp(options);
    // Served from the start: the introduction may be shown modally before a book opens.
    running.Serve([&startUp] { BringToFront(startUp.MainWindow()); },
                  [&startUp] {
                      const auto book = startUp.Books() ? startUp.Books()->GetBook() : nullptr;
                      return book ? book->GetBookFolder() : QString();
                  });
    try {
        startUp.Run();
    } catch (const LumbraError& e) {
        ReportStartUpFailure(e.Message());
        return ExitStartFailed;
    }
    if (screenshot) {
        if (!request.scene.isEmpty() && startUp.MainWindow()) {
            MainWindow* window = startUp.MainWindow();
            const QString name = request.scene;
            QTimer::singleShot(700, window, [window, name] { ShowScreenshotScene(*window, name); });
        }
        ScheduleScreenshot(request.screenshot, OrderSceneDelayMs(request.scene));
    }
    return app.exec();
}

// Text for the terminal before any command runs (help, bad arguments), in the
// user's language.
int PrintTranslated(int& argc, char** argv, const std::function<int()>& print) {
    QCoreApplication app(argc, argv);
    ProgramTranslations translations;
    translations.Install(DataFolder(), QLocale::system());
    return print();
}

} // namespace

int RunLumbra(int argc, char** argv) {
    TuneMemoryForPictures();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Result<ProgramArguments> parsed = ParseProgramArguments(arguments);
    if (!parsed) {
        return PrintTranslated(argc, argv, [&arguments] {
            const QString translated = ParseProgramArguments(arguments).Error().message;
            std::fprintf(stderr, "lumbra: %s\n\n%s", qPrintable(translated),
                         qPrintable(ProgramUsage()));
            return int(ExitUsage);
        });
    }
    const ProgramArguments& request = parsed.Value();
    switch (request.mode) {
    case ProgramArguments::Mode::Help:
        return PrintTranslated(argc, argv, [] {
            std::fputs(qPrintable(ProgramUsage()), stdout);
            return int(ExitOk);
        });
    case ProgramArguments::Mode::Version:
        std::printf("%s\n", qPrintable(ProgramVersionLine()));
        return ExitOk;
    case ProgramArguments::Mode::Command: return RunHeadlessCommand(argc, argv, request.command);
    case ProgramArguments::Mode::Upload:
        return RunWithoutWindow(argc, argv, [&](QTextStream& out, QTextStream& err) {
            return RunUploadCommand(request.upload, DataFolder(), out, err);
        });
    case ProgramArguments::Mode::Window: break;
    }
    return RunWindow(argc, argv, request);
}
