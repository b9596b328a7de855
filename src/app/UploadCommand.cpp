#include "app/UploadCommand.h"

#include "app/AppLog.h"
#include "app/CommandLine.h"
#include "app/CommandObjects.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "online/BookUpload.h"
#include "render/PageExport.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QTextStream>
#include <optional>

namespace {

const QString kUpload = QStringLiteral("--upload");
const QString kStart = QStringLiteral("--start");
const QString kBooksFolder = QStringLiteral("--books-folder");

struct UploadRequest {
    QString book;
    QString orderId;
    QString cover;
    int start = 0;
    QString booksFolder;
};

QString Usage() {
    return CommandLineText::tr("usage: lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER "
                               "[--start N]   (N: 0-based page index to resume from)") +
           u'\n';
}

Result<UploadRequest> Parse(const QStringList& arguments) {
    UploadRequest request;
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kBooksFolder || argument == kStart) {
            if (++i >= arguments.size())
                return UsageFailure(CommandLineText::tr("%1 needs a value").arg(argument));
            bool ok = true;
            if (argument == kBooksFolder)
                request.booksFolder = arguments[i];
            else
                request.start = arguments[i].toInt(&ok);
            if (!ok || request.start < 0)
                return UsageFailure(
                    CommandLineText::tr("%1 needs a page index of 0 or more").arg(kStart));
        } else if (argument != kUpload) {
            positional << argument;
        }
    }
    if (positional.size() != 3)
        return UsageFailure(
            CommandLineText::tr("%1 needs a book, an order id and a cover").arg(kUpload));
    request.book = positional[0];
    request.orderId = positional[1];
    request.cover = positional[2];
    return request;
}

// The message the user is shown; the detail goes to the log.
QString Shown(const std::optional<Failure>& failure) {
    if (!failure)
        return {};
    LogFailure(lcApp(), QStringLiteral("The upload"), *failure);
    return failure->message;
}

// Runs the upload to its end and reports it; returns the exit code.
int Upload(const CommandObjects& objects, const std::shared_ptr<Book>& book,
           const UploadRequest& request, QTextStream& out, QTextStream& err) {
    QNetworkAccessManager network;
    BookUpload upload(&network, objects.Renderer(), PrintPageSize(objects.Catalogue()));
    const int count = book->PagesCount();
    QObject::connect(&upload, &BookUpload::pageSent, [&](const QString&, int page) {
        out << CommandLineText::tr("page %1 of %2 sent").arg(page).arg(count) << Qt::endl;
    });
    QObject::connect(
        &upload, &BookUpload::pageRefused, [&](int page, const QString& reason, bool retrying) {
            err << CommandLineText::tr("lumbra: page %1 refused: %2%3")
                       .arg(page)
                       .arg(reason,
                            retrying ? CommandLineText::tr(" (sending it again)") : QString())
                << Qt::endl;
        });
    UploadResult result;
    QEventLoop loop;
    QObject::connect(&upload, &BookUpload::finished, &loop, [&](const UploadResult& r) {
        result = r;
        loop.quit();
    });
    try {
        upload.Start(book, request.orderId, request.cover, request.start);
    } catch (const LumbraError& e) {
        err << "lumbra: " << e.Message() << Qt::endl;
        return ExitIncomplete;
    }
    loop.exec();
    if (result.complete) {
        out << CommandLineText::tr("order %1 %2")
                   .arg(request.orderId, result.cancelled ? CommandLineText::tr("cancelled")
                                                          : CommandLineText::tr("ended"))
            << Qt::endl;
        return ExitOk;
    }
    if (result.closing) {
        out << CommandLineText::tr("order %1 not confirmed").arg(request.orderId) << Qt::endl;
        err << CommandLineText::tr("lumbra: every page was sent, but %1; resume with %2 %3")
                   .arg(Shown(result.failure), kStart)
                   .arg(result.failedIndex)
            << Qt::endl;
        return ExitIncomplete;
    }
    if (result.cancelled) {
        err << "lumbra: " << CommandLineText::tr("upload cancelled") << Qt::endl;
        return ExitIncomplete;
    }
    out << CommandLineText::tr("page %1 of %2 failed").arg(result.failedIndex + 1).arg(count)
        << Qt::endl;
    err << CommandLineText::tr("lumbra: page %1 failed%2; resume with %3 %4")
               .arg(result.failedIndex + 1)
               .arg(result.failure ? QStringLiteral(": ") + Shown(result.failure) : QString(),
                    kStart)
               .arg(result.failedIndex)
        << Qt::endl;
    return ExitIncomplete;
}

} // namespace

bool IsUploadCommand(const QStringList& arguments) { return arguments.contains(kUpload); }

int RunUploadCommand(const QStringList& arguments, const QString& dataFolder, QTextStream& out,
                     QTextStream& err) {
    const Result<UploadRequest> parsed = Parse(arguments);
    if (!parsed) {
        err << "lumbra: " << parsed.Error().message << "\n" << Usage() << Qt::flush;
        return ExitUsage;
    }
    const UploadRequest& request = parsed.Value();
    std::unique_ptr<CommandObjects> objects;
    try {
        objects = std::make_unique<CommandObjects>(dataFolder, request.booksFolder);
    } catch (const LumbraError& e) {
        err << "lumbra: " << e.Message() << Qt::endl;
        return ExitStartFailed;
    }
    int exitCode = ExitOk;
    const auto book = OpenBook(*objects, request.book, false, err, &exitCode);
    if (!book)
        return exitCode;
    if (request.start > book->PagesCount()) {
        err << "lumbra: "
            << CommandLineText::tr("the book has only %1 pages").arg(book->PagesCount())
            << Qt::endl;
        return ExitUsage;
    }
    return Upload(*objects, book, request, out, err);
}
