#include "app/CommandLine.h"

#include "app/AppLog.h"
#include "app/CommandObjects.h"
#include "app/UploadCommand.h"

#include "base/Constants.h"
#include "base/DataFolder.h"
#include "base/LanguageChoice.h"
#include "base/LumbraError.h"
#include "base/ProgramTranslations.h"
#include "base/UserFolders.h"
#include "model/Book.h"
#include "model/BookFill.h"
#include "model/BookName.h"
#include "model/ImportTally.h"
#include "model/ModelContext.h"
#include "model/PhotoImportQueue.h"
#include "model/Templates.h"
#include "render/BookPdf.h"
#include "render/PageExportJob.h"
#include "render/check/BookCheck.h"
#include "render/check/BookCheckInput.h"
#include "render/check/BookProblemText.h"
#include "render/check/TextFits.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

const QString kImport = QStringLiteral("--import");
const QString kPreview = QStringLiteral("--preview");
const QString kPrint = QStringLiteral("--print");
const QString kFill = QStringLiteral("--fill");
const QString kPdf = QStringLiteral("--pdf");
const QString kCheck = QStringLiteral("--check");
const QString kBooksFolder = QStringLiteral("--books-folder");

std::optional<CommandLineRequest::Command> CommandNamed(const QString& argument) {
    using Command = CommandLineRequest::Command;
    const std::pair<const QString&, Command> commands[] = {
        {kImport, Command::Import}, {kPreview, Command::Preview}, {kPrint, Command::Print},
        {kFill, Command::Fill},     {kPdf, Command::Pdf},         {kCheck, Command::Check}};
    for (const auto& [name, command] : commands)
        if (argument == name)
            return command;
    return std::nullopt;
}

int RunImport(const CommandObjects& objects, const CommandLineRequest& request, QTextStream& out,
              QTextStream& err) {
    using Status = PhotoImportOutcome::Status;
    int exitCode = ExitOk;
    const auto book = OpenBook(objects, request.book, true, err, &exitCode);
    if (!book)
        return exitCode;
    QStringList paths;
    for (const QString& file : request.files)
        paths << QFileInfo(file).absoluteFilePath();
    const Constants& strings = objects.Strings();
    PhotoImportQueue queue;
    QEventLoop loop;
    ImportTally tally;
    QObject::connect(&queue, &PhotoImportQueue::fileDone, [&](const PhotoImportOutcome& outcome) {
        tally.Count(outcome);
        const QString line = ImportStatusLine(outcome, &strings);
        if (outcome.failure)
            LogFailure(lcApp(), QStringLiteral("Importing ") + outcome.path, *outcome.failure);
        if (outcome.status == Status::Failed)
            err << line << Qt::endl;
        else
            out << line << Qt::endl;
        // A file already in the book is no failure; every other one not added is.
        if (outcome.status == Status::Failed || outcome.status == Status::Unsupported)
            exitCode = ExitIncomplete;
    });
    QObject::connect(&queue, &PhotoImportQueue::finished, &loop, &QEventLoop::quit);
    queue.Add(paths, book);
    if (queue.IsBusy())
        loop.exec();
    out << tally.Summary() << Qt::endl;
    return exitCode;
}

// The pages not written: a line each for the user, the detail in the log.
void WriteFailures(const std::vector<Failure>& failures, QTextStream& err) {
    for (const Failure& failure : failures) {
        LogFailure(lcApp(), QStringLiteral("Export"), failure);
        err << "lumbra: " << failure.message << Qt::endl;
    }
}

bool MakeWritableFolder(const QString& folder) {
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

// A path with its links resolved as far as it exists.
QString RealPath(const QString& path) {
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).dir().path() != existing) {
        rest.prepend(u'/' + QFileInfo(existing).fileName());
        existing = QFileInfo(existing).dir().path();
    }
    const QString real = QFileInfo(existing).canonicalFilePath();
    return (real.isEmpty() ? existing : real) + rest;
}

// False, with a message, for an output in the books folder: it could write
// over a book's own files or pass for a book.
bool OutsideTheBooks(const CommandObjects& objects, const QString& output, QTextStream& err) {
    const QString books = RealPath(objects.Folders().GetBooksFolder());
    const QString target = RealPath(output);
    if (target != books && !target.startsWith(books + u'/'))
        return true;
    err << "lumbra: "
        << CommandLineText::tr("%1 lies in the books folder; choose a place outside it").arg(output)
        << Qt::endl;
    return false;
}

int RunExport(const CommandObjects& objects, const CommandLineRequest& request, QTextStream& out,
              QTextStream& err) {
    int exitCode = ExitOk;
    const auto book = OpenBook(objects, request.book, false, err, &exitCode);
    if (!book)
        return exitCode;
    const QString folder = QDir(request.folder).absolutePath();
    if (!OutsideTheBooks(objects, folder, err))
        return ExitFolderFailed;
    PageExportPlan plan = request.command == CommandLineRequest::Command::Preview
                              ? PlanPreview(*book, folder)
                              : PlanPrint(*book, folder, PrintPageSize(objects.Catalogue()));
    if (!MakeWritableFolder(plan.folder)) {
        err << "lumbra: " << CommandLineText::tr("cannot write to %1").arg(plan.folder) << Qt::endl;
        return ExitFolderFailed;
    }
    PageExportJob job(std::move(plan), objects.Renderer());
    QEventLoop loop;
    QObject::connect(&job, &PageExportJob::finished, &loop, &QEventLoop::quit);
    job.Start();
    loop.exec();
    const PageExportResult& result = job.Result();
    WriteFailures(result.failures, err);
    out << CommandLineText::tr("%1 of %2 pages written to %3")
               .arg(result.written)
               .arg(job.PageCount())
               .arg(job.Folder())
        << Qt::endl;
    return result.failures.empty() ? ExitOk : ExitIncomplete;
}

int RunFill(const CommandObjects& objects, const CommandLineRequest& request, QTextStream& out,
            QTextStream& err) {
    int exitCode = ExitOk;
    const auto book = OpenBook(objects, request.book, false, err, &exitCode);
    if (!book)
        return exitCode;
    const FillResult result = FillBook(*book, UnplacedPhotos(*book), objects.Catalogue());
    for (const FilledPage& page : result.pages) {
        QString line =
            page.photos == 1
                ? CommandLineText::tr("Page %1: 1 photo").arg(page.page + 1)
                : CommandLineText::tr("Page %1: %2 photos").arg(page.page + 1).arg(page.photos);
        if (page.added)
            line = CommandLineText::tr("%1 (new page)").arg(line);
        out << line << Qt::endl;
    }
    book->SaveBook();
    if (const Result<void> saved = book->WaitForSaves(); !saved) {
        err << "lumbra: " << saved.Error().message << Qt::endl;
        return ExitFolderFailed;
    }
    out << CommandLineText::tr("%1 photos placed on %2 pages, %3 left over")
               .arg(result.placed)
               .arg(result.pages.size())
               .arg(result.leftOver)
        << Qt::endl;
    return ExitOk;
}

int RunPdf(const CommandObjects& objects, const CommandLineRequest& request, QTextStream& out,
           QTextStream& err) {
    int exitCode = ExitOk;
    const auto book = OpenBook(objects, request.book, false, err, &exitCode);
    if (!book)
        return exitCode;
    const QString file = QFileInfo(request.folder).absoluteFilePath();
    if (!OutsideTheBooks(objects, file, err))
        return ExitFolderFailed;
    if (!MakeWritableFolder(QFileInfo(file).absolutePath())) {
        err << "lumbra: "
            << CommandLineText::tr("cannot write to %1").arg(QFileInfo(file).absolutePath())
            << Qt::endl;
        return ExitFolderFailed;
    }
    const Templates& catalogue = objects.Catalogue();
    const PdfDocument document =
        PdfDocumentFor(*book, file, QSizeF(catalogue.PageWidth(), catalogue.PageHeight()));
    const PageExportResult result =
        ExportPdf(PlanPdf(*book, PrintPageSize(catalogue)), document, objects.Renderer());
    WriteFailures(result.failures, err);
    if (result.written == 0)
        return ExitIncomplete;
    out << CommandLineText::tr("%1 pages written to %2").arg(result.written).arg(file) << Qt::endl;
    return result.failures.empty() ? ExitOk : ExitIncomplete;
}

int RunCheck(const CommandObjects& objects, const CommandLineRequest& request, QTextStream& out,
             QTextStream& err) {
    int exitCode = ExitOk;
    const auto book = OpenBook(objects, request.book, false, err, &exitCode);
    if (!book)
        return exitCode;
    TextFits texts;
    const auto problems = CheckBook(BookCheckInputOf(*book, objects.Catalogue()), texts);
    for (const BookProblem& problem : problems)
        out << BookProblemText::Line(problem) << Qt::endl;
    out << BookProblemText::Count(qsizetype(problems.size())) << Qt::endl;
    return problems.empty() ? ExitOk : ExitProblemsFound;
}

} // namespace

bool IsHeadlessCommand(const QStringList& arguments) {
    return arguments.contains(kImport) || arguments.contains(kPreview) ||
           arguments.contains(kPrint) || arguments.contains(kFill) || arguments.contains(kPdf) ||
           arguments.contains(kCheck) || IsUploadCommand(arguments);
}

Result<CommandLineRequest> ParseCommandLine(const QStringList& arguments) {
    using Command = CommandLineRequest::Command;
    CommandLineRequest request;
    QStringList positional;
    std::optional<Command> command;
    const auto fail = [](const QString& message) { return UsageFailure(message); };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kBooksFolder) {
            if (++i >= arguments.size())
                return fail(CommandLineText::tr("%1 needs a folder").arg(kBooksFolder));
            request.booksFolder = arguments[i];
        } else if (const std::optional<Command> named = CommandNamed(argument)) {
            if (command)
                return fail(CommandLineText::tr("only one command at a time"));
            command = named;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return fail(CommandLineText::tr("unknown option \"%1\"").arg(argument));
        } else {
            positional << argument;
        }
    }
    if (!command)
        return fail(CommandLineText::tr("no command"));
    request.command = *command;
    if (request.command == Command::Import) {
        if (positional.size() < 2)
            return fail(CommandLineText::tr("%1 needs a book and at least one file").arg(kImport));
        request.book = positional.takeFirst();
        request.files = positional;
    } else if (request.command == Command::Fill || request.command == Command::Check) {
        if (positional.size() != 1)
            return fail(CommandLineText::tr("%1 needs a book")
                            .arg(*command == Command::Fill ? kFill : kCheck));
        request.book = positional[0];
    } else if (request.command == Command::Pdf) {
        if (positional.size() != 2)
            return fail(CommandLineText::tr("%1 needs a book and a file").arg(kPdf));
        request.book = positional[0];
        request.folder = positional[1];
    } else {
        if (positional.size() != 2)
            return fail(CommandLineText::tr("%1 needs a book and a folder")
                            .arg(*command == Command::Preview ? kPreview : kPrint));
        request.book = positional[0];
        request.folder = positional[1];
    }
    return request;
}

int RunCommandLine(const CommandLineRequest& request, const QString& dataFolder, QTextStream& out,
                   QTextStream& err) {
    std::unique_ptr<CommandObjects> objects;
    try {
        objects = std::make_unique<CommandObjects>(dataFolder, request.booksFolder);
    } catch (const LumbraError& e) {
        err << "lumbra: " << e.Message() << Qt::endl;
        return ExitStartFailed;
    }
    switch (request.command) {
    case CommandLineRequest::Command::Import: return RunImport(*objects, request, out, err);
    case CommandLineRequest::Command::Fill: return RunFill(*objects, request, out, err);
    case CommandLineRequest::Command::Pdf: return RunPdf(*objects, request, out, err);
    case CommandLineRequest::Command::Check: return RunCheck(*objects, request, out, err);
    default: return RunExport(*objects, request, out, err);
    }
}

QString UnreadableFolderMessage(const QString& variable) {
    return CommandLineText::tr("%1 holds a folder name that is not valid text; Lumbra keeps no "
                               "books there. Start it with %1 set to a folder whose name is.")
        .arg(variable);
}

int RunWithoutWindow(int& argc, char** argv,
                     const std::function<int(QTextStream& out, QTextStream& err)>& command) {
    // No window: text is still drawn with the platform's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lumbra"));
    ProgramTranslations translations;
    translations.Install(DataFolder(), QLocale::system());
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const QString variable = UnreadableFolderVariable(); !variable.isEmpty()) {
        err << "lumbra: " << UnreadableFolderMessage(variable) << Qt::endl;
        return ExitFolderFailed;
    }
    return command(out, err);
}

int RunHeadlessCommand(int& argc, char** argv, const CommandLineRequest& request) {
    return RunWithoutWindow(argc, argv, [&](QTextStream& out, QTextStream& err) {
        return RunCommandLine(request, DataFolder(), out, err);
    });
}
