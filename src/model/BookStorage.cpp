// A book's files: naming, reading, saving, removing, order numbers, preview.
#include "base/BackgroundWork.h"
#include "base/FileWriteQueue.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/BookName.h"
#include "model/BookStateFile.h"
#include "model/HeldPhotoFiles.h"
#include "model/ModelLog.h"
#include "model/Page.h"
#include "model/PageTextForm.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDateTime>
#include <QDir>

#include <algorithm>

namespace {

const QDir::Filters kAllFiles = QDir::Files | QDir::Hidden | QDir::System;

// A photo of the book's folder with its stored record, if any.
std::shared_ptr<PhotoImage> StoredPhoto(const QString& folder,
                                        const BookFiles::PhotoFileName& parsed) {
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(parsed.name);
    photo->SetKey(folder, parsed.key);
    photo->SetRecord(ReadPoolRecord(photo->Stem()));
    return photo;
}

} // namespace

QString Book::GetBookFolder() const { return BookFiles::BookFolder(mBooksFolder, mName); }

QString Book::StateFilePath() const {
    return GetBookFolder() + QLatin1String(BookFiles::kBookState);
}

bool Book::SetName(const QString& name) {
    if (!BookName::IsSafe(name))
        return false;
    mName = name;
    if (!QDir().mkpath(GetBookFolder()))
        return true; // "book.ini" names only books that have a folder
    try {
        BookFiles::WriteLastBookName(mBooksFolder, name);
    } catch (const LumbraError&) {
        // "book.ini" only helps the next start find this book
        LogCaughtException(lcModel(), "Writing the last book's name");
    }
    return true;
}

void Book::CreateOnDisk(const QString& name) {
    if (!BookName::IsSafe(name))
        throw LumbraError(QStringLiteral("\"%1\" cannot be a book name").arg(name));
    mName = name;
    const bool existed = QDir(GetBookFolder()).exists();
    if (!QDir().mkpath(GetBookFolder()))
        throw LumbraError(QStringLiteral("Cannot make the folder %1").arg(GetBookFolder()));
    try {
        WritePageTexts(PageTexts()); // at once: the caller learns whether the book exists
        BookFiles::WriteLastBookName(mBooksFolder, name);
    } catch (const LumbraError&) {
        if (!existed)
            Remove(); // nothing of the user's is in a folder made just now
        throw;
    }
}

void Book::LoadBook(Opening opening) {
    mOrderIds = BookFiles::ReadOrderIds(GetBookFolder());
    const QString joined = BookStateFile::ReadJoined(StateFilePath());
    const bool tidy = opening == Opening::Tidy;
    HeldPhotoFiles::Settle(GetBookFolder(), tidy); // nothing is undone across an opening
    if (tidy)
        BookFiles::RemoveLeftovers(GetBookFolder(), joined,
                                   QDateTime::currentDateTime().addSecs(-kLeftoverAgeSeconds));
    const QStringList unrecorded = RebuildPhotoPool();
    KeepMissingPhotos(joined);
    ReadPages(joined);
    if (!unrecorded.isEmpty())
        RecordPhotos(unrecorded, !tidy);
}

QStringList Book::RebuildPhotoPool() {
    const QString folder = GetBookFolder();
    QStringList unrecorded;
    for (const QString& file : BookFiles::FullSizeFilesInImportOrder(folder)) {
        const std::optional<BookFiles::PhotoFileName> parsed = BookFiles::ParsePhotoFileName(file);
        if (!parsed || mPhotos->Find(parsed->key))
            continue;
        const auto photo = StoredPhoto(folder, *parsed);
        if (!photo->Record())
            unrecorded << parsed->name;
        mPhotos->Add(photo);
    }
    return unrecorded;
}

void Book::KeepMissingPhotos(const QString& joined) {
    const QString folder = GetBookFolder();
    for (const QString& piece : BookStateFile::Split(joined)) {
        for (const PageTextForm::ImageEntry& entry : PageTextForm::ReadImages(piece)) {
            const std::optional<BookFiles::PhotoFileName> parsed =
                BookFiles::ParsePhotoName(entry.name);
            if (!parsed || mPhotos->Find(parsed->key))
                continue;
            const auto photo = StoredPhoto(folder, *parsed);
            photo->SetFileMissing(true);
            mPhotos->Add(photo);
            qCWarning(lcModel) << "The full-size file of photo" << parsed->name << "is missing";
        }
    }
}

void Book::RecordPhotos(const QStringList& names, bool wait) {
    const auto job = [folder = GetBookFolder(), names] {
        std::vector<NamedRecord> records;
        for (const QString& name : names)
            records.push_back({name, RecordPhoto(folder + name)});
        return records;
    };
    if (wait) {
        ApplyRecords(job());
        return;
    }
    mRecording = RunInBackground(
        this, job, [this](const std::vector<NamedRecord>& records) { ApplyRecords(records); });
}

void Book::ApplyRecords(const std::vector<NamedRecord>& records) {
    std::vector<PagePtr> pages;
    for (const NamedRecord& made : records) {
        const PhotoPtr photo = mPhotos->Find(made.name.right(32));
        if (!photo || photo->GetName() != made.name || photo->Record())
            continue;
        photo->SetRecord(made.record);
        if (const PagePtr page = photo->GetPage();
            page && !std::count(pages.begin(), pages.end(), page))
            pages.push_back(page);
    }
    for (const PagePtr& page : pages)
        page->Remeasure();
}

void Book::ReadPages(const QString& joined) {
    int i = 0;
    for (const QString& piece : BookStateFile::Split(joined)) {
        if (!piece.contains(QLatin1Char('[')))
            continue;
        const PagePtr stored = ReadPage(piece);
        if (i < PagesCount()) {
            mPages[size_t(i)] = stored;
            NumberPage(*stored);
        } else {
            AppendPage(stored);
        }
        ++i;
    }
}

Book::PagePtr Book::ReadPage(const QString& form) const {
    auto stored = std::make_shared<Page>(mContext);
    try {
        stored->Deserialize(form, *mPhotos);
    } catch (const LumbraError&) {
        // a damaged page keeps what was read before the damage
        LogCaughtException(lcModel(), "Reading a page of the book");
    }
    return stored;
}

QStringList Book::PageTexts() const {
    QStringList pageTexts;
    for (const PagePtr& p : mPages)
        pageTexts << p->Serialize();
    return pageTexts;
}

void Book::SaveBook() const {
    mWrites->Write(StateFilePath(), BookStateFile::Bytes(BookStateFile::Join(PageTexts())));
    emit saved();
}

Result<void> Book::WaitForSaves() const {
    mRecording.waitForFinished();
    return mWrites->WaitForWrites();
}

void Book::MarkImported(const QString& photoName, const QDateTime& when,
                        const std::optional<PoolRecord>& record) const {
    mWrites->Post([folder = GetBookFolder(), photoName, when, record] {
        BookFiles::MarkImported(folder, photoName, when);
        try {
            if (record)
                WritePoolRecord(folder + photoName, *record);
        } catch (const LumbraError&) {
            // measured again at the next opening
            LogCaughtException(lcModel(), "Writing a photo's record");
        }
    });
}

void Book::WritePageTexts(const QStringList& pageTexts) const {
    try {
        BookStateFile::Write(StateFilePath(), BookStateFile::Join(pageTexts));
    } catch (const LumbraError&) {
        emit saveFailed(CaughtFailure(tr("The book could not be saved.")).message);
        throw;
    }
}

void Book::Remove() {
    if (!BookName::IsSafe(mName))
        return; // never empty the books folder itself
    WaitForSaves();
    HeldPhotoFiles::Clear(GetBookFolder());
    QDir folder(GetBookFolder());
    for (const QString& file : folder.entryList(kAllFiles))
        folder.remove(file);
    QDir(mBooksFolder).rmdir(mName);
}

void Book::AddOrderId(const QString& orderId) {
    const QString orderIds = BookFiles::AppendOrderId(mOrderIds, orderId);
    BookFiles::WriteOrderIds(GetBookFolder(), orderIds);
    mOrderIds = orderIds;
}

QString Book::PreviewBook(const QString& outputFolder, const PreviewPageWriter& writePage,
                          const PreviewProgress& progress) const {
    const QString target = QDir(outputFolder).filePath(mName);
    for (int i = 0; i < PagesCount(); ++i) {
        try {
            writePage(*mPages[size_t(i)],
                      QDir(target).filePath(QStringLiteral("PG%1.jpg").arg(i + 1)));
        } catch (const std::exception&) {
            // the other pages are still worth previewing
            LogCaughtException(lcModel(), "Writing a preview page");
        }
        if (progress)
            progress(i, PagesCount() - 1);
    }
    return target;
}
