#include "model/PageDrop.h"

#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"

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

void ApplyDropText(Book& book, Page& aPage, const QString& text, float x, float y) {
    if (text.startsWith(QLatin1String("T:"))) {
        aPage.SetTemplate(Template::FromDefinition(text.mid(2)));
    } else if (text.startsWith(QLatin1String("bg:"))) {
        aPage.ChangeBackground(text.mid(3));
    } else if (auto photo = FindPhoto(book, text)) {
        aPage.AddPhoto(photo, x, y);
    }
}
