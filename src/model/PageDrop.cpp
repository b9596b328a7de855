#include "model/PageDrop.h"

#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Book.h"
#include "model/Template.h"
#include "model/Page.h"
#include "base/Md5.h"
#include "base/LumbraError.h"

#include <QMimeData>
#include <QUrl>

namespace {

std::shared_ptr<PhotoImage> FindPhoto(const Book& book, const QString& key) {
    return book.Photos().Find(key);
}

} // namespace

DropPayload ReadDropPayload(const QMimeData& data) {
    DropPayload payload;
    if (data.hasUrls())
        for (const QUrl& url : data.urls())
            if (url.isLocalFile())
                payload.files.append(url.toLocalFile());
    payload.hasText = data.hasText();
    if (payload.hasText)
        payload.text = data.text();
    return payload;
}

bool DropAllowed(bool hasPage, const DropPayload& payload, int textBox, int photoBox) {
    if (!hasPage)
        return false;
    if (!payload.files.isEmpty())
        return textBox < 0 && photoBox >= 0;
    return payload.hasText;
}

std::vector<DroppedFile> PlanFileDrop(const Book& book, const QStringList& files, const Md5& md5) {
    std::vector<DroppedFile> planned;
    QStringList newKeys;
    for (const QString& path : files) {
        DroppedFile file;
        file.path = path;
        file.key = md5.Hash(path);
        if (!FindPhoto(book, file.key) && !newKeys.contains(file.key)) {
            file.photo = std::make_shared<PhotoImage>();
            file.job = file.photo->BeginImport(path, book.GetBookFolder());
            newKeys.append(file.key);
        }
        planned.push_back(std::move(file));
    }
    return planned;
}

void MakeDroppedFiles(std::vector<DroppedFile>& files) {
    for (DroppedFile& file : files) {
        if (!file.photo)
            continue;
        try {
            file.made = MakePhotoFiles(file.job);
        } catch (const LumbraError&) {
            file.made = false; // nothing of the import is left behind
        }
    }
}

void PlaceFileDrop(Book& book, Page& aPage, std::vector<DroppedFile>& files, float x, float y) {
    for (DroppedFile& file : files) {
        if (file.photo) {
            file.photo->EndImport(file.made);
            // Another import may have brought the same photo in meanwhile.
            if (file.made && !FindPhoto(book, file.key))
                book.Photos().Add(file.photo);
            file.photo.reset();
        }
        // A file that could not be imported is left out.
        if (auto photo = FindPhoto(book, file.key))
            aPage.AddPhoto(photo, x, y);
    }
    book.SaveBook();
}

void DropText(Book& book, Page& aPage, const QString& text, float x, float y) {
    if (text.startsWith(QLatin1String("T:"))) {
        aPage.SetTemplate(Template::FromDefinition(text.mid(2)));
    } else if (text.startsWith(QLatin1String("bg:"))) {
        aPage.SetBg(text.mid(3));
    } else if (auto photo = FindPhoto(book, text)) {
        aPage.AddPhoto(photo, x, y);
    }
    book.SaveBook();
}
