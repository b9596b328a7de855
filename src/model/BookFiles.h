#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// Names and small readers/writers of the files that make up a book on disk.
namespace BookFiles {

inline constexpr auto kBookIni = "book.ini";   // in the books folder: the last named book
inline constexpr auto kBookState = "book.pbx"; // in a book folder: the pages
inline constexpr auto kOrders = "order.pbx";   // in a book folder: the order numbers
inline constexpr auto kFullSizeSuffix = "_or.jpg";

// books folder + name + "/".
QString BookFolder(const QString& booksFolder, const QString& name);

// First line of "book.ini", or the empty text when it cannot be read.
QString ReadLastBookName(const QString& booksFolder);
// Rewrites "book.ini" with the one line; throws LumbraError on failure.
void WriteLastBookName(const QString& booksFolder, const QString& name);

// First line of "order.pbx", or the empty text when the book was never sent.
QString ReadOrderIds(const QString& bookFolder);
// Rewrites "order.pbx" with the one line; throws LumbraError on failure.
void WriteOrderIds(const QString& bookFolder, const QString& orderIds);
// The order numbers with one more appended ("a" then "a,b").
QString AppendOrderId(const QString& orderIds, const QString& orderId);

// A photo's full-size file "<name>_or.jpg" (suffix in exact case): the name is
// everything before the last "_", the key its last 32 characters.
struct PhotoFileName {
    QString name;
    QString key;
};
std::optional<PhotoFileName> ParsePhotoFileName(const QString& fileName);
// A photo's name as a page names it: a seconds stamp and a key, nothing else.
std::optional<PhotoFileName> ParsePhotoName(const QString& name);

// The "_or.jpg" files of a book folder in the order their photos were
// imported: by the seconds stamp that begins each name, then by the file's
// modification time (the import marks it, see MarkImported), then by name.
// Names without a readable stamp come last.
QStringList FullSizeFilesInImportOrder(const QString& bookFolder);
// Sets the modification time of a photo's "_or.jpg" to `when`, so that photos
// of the same second keep the order in which they joined the book.
void MarkImported(const QString& bookFolder, const QString& photoName, const QDateTime& when);

// Removes what interrupted writes left in a book folder, when last modified
// before `olderThan`, and nothing else:
// - photo files ("<stamp><key>_sm.jpg", "_md", "_lg", "_or", each also
//   ".dim") of a photo that has no "_or.jpg" and whose name `bookText` does
//   not hold: the thumbnails of an import that never finished;
// - temporary files of an atomic write ("book.pbx", "order.pbx" or a photo
//   file name, then "." and 6 letters or digits).
// Returns the names removed.
QStringList RemoveLeftovers(const QString& bookFolder, const QString& bookText,
                            const QDateTime& olderThan);

} // namespace BookFiles
