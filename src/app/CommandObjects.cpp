#include "app/CommandObjects.h"

#include "app/CommandLine.h"
#include "app/RunningCopy.h"
#include "base/BookLock.h"
#include "base/LanguageChoice.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

CommandObjects::CommandObjects(const QString& dataFolder, const QString& booksFolder) {
    mStrings.LoadLanguageFile(LanguageFilePath(dataFolder, QLocale::system()));
    mTemplates = std::make_unique<Templates>(&mStrings);
    FolderLayout layout = UserFolders::PlatformLayout();
    if (!booksFolder.isEmpty())
        layout.books = QDir(booksFolder).absolutePath() + QLatin1Char('/');
    mFolders.SetUpUserFolders(layout);
}

namespace {

bool BookExists(const QString& booksFolder, const QString& name) {
    return QFileInfo(QDir(booksFolder).filePath(name)).isDir();
}

// "lumbra --fill": what a writer refused by this command is told.
QString CommandHolder() {
    const QStringList arguments = QCoreApplication::arguments();
    for (const QString& argument : arguments.mid(1))
        if (argument.startsWith(QLatin1String("--")) && argument != QLatin1String("--books-folder"))
            return QStringLiteral("lumbra ") + argument;
    return QStringLiteral("lumbra");
}

// The book and its lock, which it keeps until the command ends.
struct LockedBook {
    std::shared_ptr<Book> book;
    BookLock lock;
};

} // namespace

std::shared_ptr<Book> OpenBook(const CommandObjects& objects, const QString& name, bool create,
                               QTextStream& err, int* exitCode) {
    const QString booksFolder = objects.Folders().GetBooksFolder();
    auto fail = [&](int code, const QString& message) {
        err << "lumbra: " << message << Qt::endl;
        *exitCode = code;
        return std::shared_ptr<Book>();
    };
    if (const QString hidden = BookName::HiddenCharacterIn(name); !hidden.isEmpty())
        return fail(ExitUsage,
                    objects.Strings().Text(BookName::MessageKey(BookNameCheck::HiddenCharacter)) +
                        QStringLiteral(" (%1)").arg(hidden));
    if (!BookName::IsSafe(name))
        return fail(ExitUsage, CommandLineText::tr("\"%1\" cannot be a book name").arg(name));
    if (BookOpenInRunningWindow(QDir(booksFolder).filePath(name)))
        return fail(ExitBookOpen,
                    CommandLineText::tr("the book \"%1\" is open in the running Lumbra window; "
                                        "open another book there or close the window first")
                        .arg(name));
    const bool exists = BookExists(booksFolder, name);
    if (!exists && !create)
        return fail(ExitNoBook,
                    CommandLineText::tr("there is no book \"%1\" in %2").arg(name, booksFolder));
    if (!exists) {
        const BookNameCheck check = BookName::CheckNew(booksFolder, name);
        if (check != BookNameCheck::Accepted)
            return fail(ExitUsage,
                        objects.Strings().Text(BookName::MessageKey(check)) + " (" + name + ")");
    }
    auto book = std::make_shared<Book>(booksFolder, objects.BookContext());
    if (!exists) {
        try {
            book->CreateOnDisk(name);
        } catch (const LumbraError& e) {
            return fail(ExitFolderFailed, e.Message());
        }
    }
    Result<BookLock> lock = BookLock::Take(QDir(booksFolder).filePath(name), CommandHolder());
    if (!lock)
        return fail(ExitBookOpen, CommandLineText::tr("the book \"%1\" cannot be opened: %2")
                                      .arg(name, lock.Error().message));
    if (exists) {
        book->SetName(name);
        book->LoadBook(Book::Opening::Keep); // a command deletes nothing of the book
    }
    auto locked = std::make_shared<LockedBook>(LockedBook{book, std::move(lock).Value()});
    return std::shared_ptr<Book>(locked, book.get());
}
