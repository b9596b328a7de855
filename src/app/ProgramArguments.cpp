#include "app/ProgramArguments.h"

#include "app/CommandLine.h"
#include "app/UploadCommand.h"
#include "base/ProgramInfo.h"

#include <algorithm>
#include <iterator>

namespace {

const QString kScreenshot = QStringLiteral("--screenshot");
const QString kScene = QStringLiteral("--scene");

// The options QGuiApplication and QApplication take from the command line
// (with one dash or two); session managers restart a program with -session.
constexpr const char* kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                               "platformtheme",   "plugin",
                                               "qwindowgeometry", "qwindowicon",
                                               "qwindowtitle",    "display",
                                               "geometry",        "style",
                                               "stylesheet",      "session"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

// The option's name without its dashes when it is one of Qt's, else empty.
QString QtOptionName(const QString& argument) {
    if (!argument.startsWith(u'-') || argument.startsWith(QStringLiteral("---")))
        return {};
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    for (const char* known : kQtOptionsWithValue)
        if (name == QLatin1String(known))
            return name;
    for (const char* known : kQtFlags)
        if (name == QLatin1String(known))
            return name;
    return {};
}

bool TakesValue(const QString& qtOption) {
    return std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue),
                       [&](const char* known) { return qtOption == QLatin1String(known); });
}

bool IsHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

bool IsVersion(const QString& argument) {
    return argument == QLatin1String("--version") || argument == QLatin1String("-v");
}

// The window's own options: --screenshot FILE and --scene NAME.
Result<ProgramArguments> ParseWindowArguments(const QStringList& arguments) {
    ProgramArguments request;
    bool sceneGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument != kScreenshot && argument != kScene)
            return UsageFailure(CommandLineText::tr("unknown argument \"%1\"").arg(argument));
        if (++i >= arguments.size())
            return UsageFailure(CommandLineText::tr("%1 needs a value").arg(argument));
        if (argument == kScreenshot) {
            request.screenshot = arguments[i];
        } else {
            request.scene = arguments[i];
            sceneGiven = true;
        }
    }
    if (sceneGiven && request.screenshot.isEmpty())
        return UsageFailure(CommandLineText::tr("%1 goes with %2").arg(kScene, kScreenshot));
    return request;
}

} // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString qtOption = i == 0 ? QString() : QtOptionName(arguments[i]);
        if (qtOption.isEmpty())
            kept << arguments[i];
        else if (TakesValue(qtOption))
            ++i;
    }
    return kept;
}

Result<ProgramArguments> ParseProgramArguments(const QStringList& arguments) {
    const QString last = arguments.size() > 1 ? QtOptionName(arguments.last()) : QString();
    if (!last.isEmpty() && TakesValue(last))
        return UsageFailure(CommandLineText::tr("%1 needs a value").arg(arguments.last()));
    const QStringList own = WithoutQtOptions(arguments);
    ProgramArguments request;
    if (std::any_of(own.begin() + 1, own.end(), IsHelp)) {
        request.mode = ProgramArguments::Mode::Help;
        return request;
    }
    if (std::any_of(own.begin() + 1, own.end(), IsVersion)) {
        request.mode = ProgramArguments::Mode::Version;
        return request;
    }
    if (IsUploadCommand(own)) {
        request.mode = ProgramArguments::Mode::Upload;
        request.upload = own;
        return request;
    }
    if (!IsHeadlessCommand(own))
        return ParseWindowArguments(own);
    const Result<CommandLineRequest> command = ParseCommandLine(own);
    if (!command)
        return command.Error();
    request.mode = ProgramArguments::Mode::Command;
    request.command = command.Value();
    return request;
}

QString ProgramUsage() {
    return CommandLineText::tr(
        "usage: lumbra [--screenshot FILE [--scene NAME]]\n"
        "       lumbra [--books-folder DIR] --import BOOK FILE...\n"
        "       lumbra [--books-folder DIR] --preview BOOK FOLDER\n"
        "       lumbra [--books-folder DIR] --print BOOK FOLDER\n"
        "       lumbra [--books-folder DIR] --fill BOOK\n"
        "       lumbra [--books-folder DIR] --pdf BOOK FILE\n"
        "       lumbra [--books-folder DIR] --check BOOK\n"
        "       lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]\n"
        "       lumbra --help | --version\n"
        "\n"
        "Without a command lumbra opens its window; the commands run without one.\n"
        "  --import BOOK FILE...  import photos into BOOK (made when missing), one status line "
        "per file\n"
        "  --preview BOOK FOLDER  write the preview pages as FOLDER/BOOK/PG1.jpg ... (600 x 452)\n"
        "  --print BOOK FOLDER    write every page at print size as FOLDER/1.jpg, 2.jpg ...\n"
        "  --fill BOOK            lay the photos on no page onto the empty boxes and pages in the\n"
        "                         order taken (pages added up to 100), one line per page filled\n"
        "  --pdf BOOK FILE        write the book as one PDF (print pictures, text kept as text)\n"
        "  --check BOOK           list what would come out badly in print, a line per problem\n"
        "                         (page N: KIND: detail), then their count\n"
        "  --upload BOOK ORDER_ID COVER  send BOOK's print pages to the order service, one line "
        "per page\n"
        "  --start N              with --upload: resume from the 0-based page index N\n"
        "  --books-folder DIR     with a command: the books in DIR, not the user's books folder\n"
        "  --screenshot FILE      open the window, write a screenshot of the screen to FILE, "
        "quit\n"
        "  --scene NAME           with --screenshot: show the scene NAME first (see below)\n"
        "  -h, --help             print this help and exit\n"
        "  -v, --version          print the version and exit\n"
        "  -platform NAME ...     Qt's own options (-style NAME, -session ID, ...), passed to Qt\n"
        "\n"
        "Scenes: column, photo-editor, text-editor, album, backgrounds, column-album,\n"
        "        column-backgrounds, background-download, order-verify, order-cover,\n"
        "        order-upload, order-payment, order-status, update-notice, message-box,\n"
        "        file-dialog, preferences.\n"
        "\n"
        "Exit codes: 0 done, 1 start-up failed, 2 bad arguments or book name, 3 no such book,\n"
        "            4 output folder not writable, 5 some files or pages failed,\n"
        "            6 the book is open in a window or another command is changing it,\n"
        "            7 the check found problems.\n");
}

QString ProgramVersionLine() { return QStringLiteral("Lumbra ") + ProgramVersionText(); }
