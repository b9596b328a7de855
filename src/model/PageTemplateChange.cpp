// Changing and dropping a page's template: where photos and texts go.
#include "model/Page.h"
#include "model/PageDisplayHost.h"
#include "model/PhotoImage.h"
#include "model/Template.h"

#include <algorithm>
#include <utility>

namespace {

// Entries from `boxCount` on that are filled move, in index order, to the
// lowest free entry above the last one used that lies below both box counts;
// when there is none, `evict` takes the entry and every later filled one.
template <typename Entries, typename IsFilled, typename Evict>
void MoveOutOfMissingBoxes(Entries& entries, int boxCount, int oldBoxCount, IsFilled isFilled,
                           Evict evict) {
    int search = -1;
    for (int i = boxCount; i < int(entries.size()); ++i) {
        if (!isFilled(entries[size_t(i)]))
            continue;
        int j = search + 1;
        while (j < std::min(boxCount, oldBoxCount) && isFilled(entries[size_t(j)]))
            ++j;
        if (j < std::min(boxCount, oldBoxCount)) {
            std::swap(entries[size_t(j)], entries[size_t(i)]);
            search = j;
        } else {
            evict(entries[size_t(i)]);
            search = boxCount;
        }
    }
}

} // namespace

void Page::MoveOutOfMissingPhotoBoxes(const ::Template& next) {
    PageDisplayHost& host = mContext.DisplayHost();
    MoveOutOfMissingBoxes(
        mPhotos, next.PhotoBoxCount(), mTemplate->PhotoBoxCount(),
        [](const PhotoPtr& photo) { return bool(photo); },
        [&host](PhotoPtr& photo) {
            const PhotoPtr leaving = std::move(photo);
            photo.reset();
            host.AddDisplayPhoto(leaving);
        });
}

void Page::MoveOutOfMissingTextBoxes(const ::Template& next) {
    MoveOutOfMissingBoxes(
        mTexts, next.TextBoxCount(), mTemplate->TextBoxCount(),
        [](const QString& text) { return !text.isEmpty(); }, [](QString& text) { text.clear(); });
}

void Page::ResizeEntries(const ::Template& next) {
    mPhotos.resize(size_t(std::max(next.PhotoBoxCount(), 1)));
    mTexts.resize(size_t(std::max(next.TextBoxCount(), 1)));
}

void Page::SetTemplate(const TemplatePtr& aTemplate) {
    if (!aTemplate)
        return;
    emit templateChanged();
    if (mTemplate) {
        MoveOutOfMissingPhotoBoxes(*aTemplate);
        MoveOutOfMissingTextBoxes(*aTemplate);
    }
    mTemplate = aTemplate;
    ResizeEntries(*aTemplate);
    for (int i = 0; i < int(mPhotos.size()); ++i)
        PutPhoto(i, mPhotos[size_t(i)]); // each photo takes its box in the new template
    RaisePageChange();
}

void Page::Delete() {
    if (mTemplate) {
        PageDisplayHost& host = mContext.DisplayHost();
        const int boxes = std::min(mTemplate->PhotoBoxCount(), int(mPhotos.size()));
        for (int i = 0; i < boxes; ++i) {
            if (const PhotoPtr photo = std::exchange(mPhotos[size_t(i)], nullptr))
                host.AddDisplayPhoto(photo);
        }
    }
    mTemplate.reset();
}
