// Changing and dropping a page's template: where photos and texts go.
#include "model/Page.h"
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
    MoveOutOfMissingBoxes(
        mPhotos, next.PhotoBoxCount(), mTemplate->PhotoBoxCount(),
        [](const PhotoPtr& photo) { return bool(photo); },
        [this](PhotoPtr& photo) {
            const PhotoPtr leaving = std::exchange(photo, nullptr);
            mSetAsidePhotos.push_back(leaving);
            SendOff(leaving);
        });
}

void Page::MoveOutOfMissingTextBoxes(const ::Template& next) {
    MoveOutOfMissingBoxes(
        mTexts, next.TextBoxCount(), mTemplate->TextBoxCount(),
        [](const QString& text) { return !text.isEmpty(); },
        [this](QString& text) { mSetAsideTexts.push_back(std::exchange(text, QString())); });
}

// Texts and photos earlier templates pushed out fill the empty boxes of the
// new one, in the order they left; a photo only while it stands on no page.
void Page::BringBackSetAside(const ::Template& next) {
    for (int j = 0; j < next.TextBoxCount() && !mSetAsideTexts.empty(); ++j) {
        if (mTexts[size_t(j)].isEmpty()) {
            mTexts[size_t(j)] = mSetAsideTexts.front();
            mSetAsideTexts.erase(mSetAsideTexts.begin());
        }
    }
    std::erase_if(mSetAsidePhotos, [](const std::weak_ptr<PhotoImage>& kept) {
        const PhotoPtr photo = kept.lock();
        return !photo || photo->GetPage();
    });
    for (int j = 0; j < next.PhotoBoxCount() && !mSetAsidePhotos.empty(); ++j) {
        if (mPhotos[size_t(j)])
            continue;
        mPhotos[size_t(j)] = mSetAsidePhotos.front().lock();
        mSetAsidePhotos.erase(mSetAsidePhotos.begin());
    }
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
    BringBackSetAside(*aTemplate);
    for (int i = 0; i < int(mPhotos.size()); ++i)
        PutPhoto(i, mPhotos[size_t(i)]); // each photo takes its box in the new template
    RaisePageChange();
}

void Page::Delete() {
    if (mTemplate) {
        const int boxes = std::min(mTemplate->PhotoBoxCount(), int(mPhotos.size()));
        for (int i = 0; i < boxes; ++i)
            SendOff(std::exchange(mPhotos[size_t(i)], nullptr));
    }
    mTemplate.reset();
}
