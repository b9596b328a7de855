#pragma once

#include "imaging/ThumbType.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

class Book;
class BookSession;
class PhotoImage;
class Template;
class Templates;

// Notes, by key, what a session tells the photos pane: the photos that came
// to stand on no page (added) and those that left it (removed).
class RecordingHost : public QObject {
public:
    void Follow(BookSession& session);

    QStringList added;
    QList<bool> inBookOrder; // of each added
    QStringList removed;
};

// The pixel size of one of a photo's files, read as Thumb reads it (which
// writes its ".dim" file).
QSize ThumbFileSize(const PhotoImage& photo, ThumbType type);

// The keys of those of the photos that stand on no page, in their order.
QStringList OffPage(const std::vector<std::shared_ptr<PhotoImage>>& photos);

// Every file of a folder (not its subfolders) by name, with its bytes.
using FolderFiles = QMap<QString, QByteArray>;
FolderFiles ReadFolderFiles(const QString& folder);
// The names of the files whose bytes differ or that only one side has, joined by " ".
std::string FolderDifferences(const FolderFiles& a, const FolderFiles& b);

// A 32-digit key made from a number.
QString TestKey(int n);

// The catalogue built into the program, built once for all tests.
Templates& TestCatalogue();

// A new book "Trip" in `booksFolder` (with the closing slash) on the test
// catalogue.
std::shared_ptr<Book> MakeTripBook(const QString& booksFolder);

// A template from a definition text.
std::shared_ptr<Template> TestTemplate(const QString& definition);
// n photo boxes of 10 x 10 mm side by side at x = 20 * i, y = 0, and m text
// boxes at y = 100 likewise; box i's centre is (20 * i + 5, 5).
std::shared_ptr<Template> RowTemplate(int photoBoxes, int textBoxes);

// Photos whose full-size size is known from ".dim" files in a folder.
class PhotoFolder {
public:
    QString Path() const { return mDir.path() + QLatin1Char('/'); }
    // Photo n with the given full-size pixels; writes "<name>_or.dim" and an
    // empty "<name>_or.jpg" so the book's photo pool finds it.
    std::shared_ptr<PhotoImage> Make(int n, int width = 2000, int height = 1500);
    static QString NameOf(int n);
    // The keys of the photos made here that stand on no page, in making order.
    QStringList OffPage() const { return ::OffPage(mMade); }

private:
    QTemporaryDir mDir;
    std::vector<std::shared_ptr<PhotoImage>> mMade;
};

// Collects the names of signals in the order they arrive.
class EventLog : public QObject {
public:
    template <typename Sender, typename Signal>
    void Watch(Sender* sender, Signal signal, const QString& name) {
        QObject::connect(sender, signal, this, [this, name](auto... args) {
            QString entry = name;
            ((entry += QLatin1Char(' ') + Text(args)), ...);
            entries << entry;
        });
    }
    QStringList entries;

private:
    static QString Text(int value) { return QString::number(value); }
    static QString Text(const QString& value) { return value; }
};
