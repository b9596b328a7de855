#pragma once

#include "base/Result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QTextStream;

// The headless commands of the program:
//
//   lumbra [--books-folder DIR] --import BOOK FILE...
//       imports photos into the book (made when missing), one status line
//       per file on stdout, as the import status window shows them;
//   lumbra [--books-folder DIR] --preview BOOK FOLDER
//       writes FOLDER/BOOK/PG1.jpg ... as the book preview does;
//   lumbra [--books-folder DIR] --print BOOK FOLDER
//       writes every page at print size as FOLDER/1.jpg, 2.jpg, ...
//   lumbra [--books-folder DIR] --fill BOOK
//       lays the photos of the pool that stand on no page onto the book's
//       empty boxes and pages (model/BookFill.h), one line per page filled;
//   lumbra [--books-folder DIR] --pdf BOOK FILE
//       writes the book as one PDF file (render/BookPdf.h);
//   lumbra [--books-folder DIR] --check BOOK
//       checks the book before print (render/check/BookCheck.h): a line per
//       problem, "page N: KIND: detail", then their count;
//   lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]
//       sends the pages to the order service (app/UploadCommand.h);
//
// They run the program's own code (book, import, page rendering) without a
// window. Exit codes are CommandLineExit.

// The command line's texts: CommandLineText::tr(), in the user's language
// once the translations are installed.
class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};

enum CommandLineExit : int {
    ExitOk = 0,
    ExitStartFailed = 1,   // language file, catalogue or folders unusable
    ExitUsage = 2,         // bad arguments or a name that cannot be a book
    ExitNoBook = 3,        // preview or print of a book that does not exist
    ExitFolderFailed = 4,  // output folder cannot be made or written
    ExitIncomplete = 5,    // some file or page failed (details on stderr)
    ExitBookOpen = 6,      // another writer (a window or a command) holds the book
    ExitProblemsFound = 7, // the book check found something
};

struct CommandLineRequest {
    enum class Command { Import, Preview, Print, Fill, Pdf, Check };
    Command command = Command::Import;
    QString book;
    QStringList files;   // Import
    QString folder;      // Preview, Print; Pdf: the file
    QString booksFolder; // empty: the user's books folder
};

// True when the arguments (program name first) ask for a headless command.
bool IsHeadlessCommand(const QStringList& arguments);

// Arguments that do not make a request: what is wrong, for the user and the log alike.
inline Failure UsageFailure(const QString& message) { return Failure{message, message}; }

// The request, or the failure when the arguments are malformed (an option
// the commands do not know among them).
Result<CommandLineRequest> ParseCommandLine(const QStringList& arguments);

// Sets up what the command needs (language strings, catalogue, folders),
// runs it and returns its exit code. Needs a QGuiApplication (text is drawn
// with the platform's fonts); an offscreen platform does.
// Why the program will not start when UnreadableFolderVariable names `variable`.
QString UnreadableFolderMessage(const QString& variable);

int RunCommandLine(const CommandLineRequest& request, const QString& dataFolder, QTextStream& out,
                   QTextStream& err);

// The whole headless run of a parsed request: an offscreen QGuiApplication
// (which takes Qt's own options from argv), then the command.
int RunHeadlessCommand(int& argc, char** argv, const CommandLineRequest& request);

// Runs `command` in a window-less application with the standard streams;
// returns its exit code.
int RunWithoutWindow(int& argc, char** argv,
                     const std::function<int(QTextStream& out, QTextStream& err)>& command);
