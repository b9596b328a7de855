#include "model/Page.h"

#include "base/LumbraError.h"
#include "model/PhotoImage.h"
#include "model/Template.h"

#include <algorithm>
#include <utility>

namespace {

template <typename Entries> void CheckIndex(const Entries& entries, int index, const char* what) {
    if (index < 0 || index >= int(entries.size()))
        throw LumbraError(QStringLiteral("%1 entry %2 out of range").arg(what).arg(index));
}

bool SameKey(const Page::PhotoPtr& a, const Page::PhotoPtr& b) {
    return a && b && a->GetKey() == b->GetKey();
}

} // namespace

Page::Page(const ModelContext& context) : mContext(context) {}

Page::~Page() = default;

void Page::RaisePageChange() { emit changed(); }

void Page::SendOff(const PhotoPtr& photo) {
    if (!photo)
        return;
    photo->ResetPhoto();
    photo->SetPage({});
}

Page::PhotoPtr Page::Photo(int index) const {
    CheckIndex(mPhotos, index, "Photo");
    return mPhotos[size_t(index)];
}

int Page::FirstEntryWithKey(const QString& key) const {
    for (size_t i = 0; i < mPhotos.size(); ++i) {
        if (mPhotos[i] && mPhotos[i]->GetKey() == key)
            return int(i);
    }
    return -1;
}

// Entry `index` gets the photo, which learns its page and box.
void Page::PutPhoto(int index, const PhotoPtr& photo) {
    mPhotos[size_t(index)] = photo;
    if (!photo)
        return;
    photo->SetPage(weak_from_this());
    if (mTemplate && index < mTemplate->PhotoBoxCount())
        photo->SetPhotoBox(mTemplate->PhotoBox(index), mContext.PhotoMinRatios());
}

void Page::AddPhoto(const PhotoPtr& photo, float x, float y) {
    AddPhotoToBox(photo, FindPhotoBoxIndex(x, y));
}

void Page::AddPhotoToBox(const PhotoPtr& photo, int b) {
    if (!photo || b < 0 || !mTemplate || b >= mTemplate->PhotoBoxCount())
        return;
    const PhotoPtr current = mPhotos[size_t(b)];
    if (SameKey(current, photo))
        return;
    const std::shared_ptr<Page> from = photo->GetPage();
    bool placed = false; // whether the photo really stood in a box of `from`
    if (from.get() == this) {
        for (size_t i = 0; i < mPhotos.size(); ++i) {
            if (SameKey(mPhotos[i], photo)) {
                PutPhoto(int(i), current); // the two photos swap boxes
                placed = true;
            }
        }
    } else if (from) {
        placed = from->Replace(photo, current);
    }
    if (!placed) // from the photos pane, where the photo in the box goes
        SendOff(current);
    PutPhoto(b, photo);
    RaisePageChange();
}

bool Page::Replace(const PhotoPtr& photo, const PhotoPtr& newPhoto) {
    const int i = photo ? FirstEntryWithKey(photo->GetKey()) : -1;
    if (i < 0)
        return false;
    const bool fromThisPage = newPhoto && newPhoto->GetPage().get() == this;
    PutPhoto(i, newPhoto);
    if (!fromThisPage)
        RaisePageChange();
    return true;
}

void Page::RemovePhoto(const PhotoPtr& photo) {
    for (PhotoPtr& entry : mPhotos) {
        if (SameKey(entry, photo)) {
            entry.reset();
            RaisePageChange();
        }
    }
}

bool Page::TakeOff(const PhotoPtr& photo) {
    const int i = photo ? FirstEntryWithKey(photo->GetKey()) : -1;
    if (i < 0)
        return false;
    SendOff(std::exchange(mPhotos[size_t(i)], nullptr));
    RaisePageChange();
    return true;
}

int Page::FindPhotoBoxIndex(float x, float y) const {
    for (int i = mTemplate ? mTemplate->PhotoBoxCount() - 1 : -1; i >= 0; --i) {
        if (mTemplate->PhotoBox(i)->IsInBox(x, y))
            return i;
    }
    return -1;
}

int Page::FindTextBoxIndex(float x, float y) const {
    for (int i = mTemplate ? mTemplate->TextBoxCount() - 1 : -1; i >= 0; --i) {
        if (mTemplate->TextBox(i)->IsInBox(x, y))
            return i;
    }
    return -1;
}

bool Page::IsPageFull() const {
    const int boxes = mTemplate ? mTemplate->PhotoBoxCount() : 0;
    for (int i = 0; i < boxes; ++i) {
        if (!mPhotos[size_t(i)])
            return false;
    }
    return true;
}

bool Page::IsEmptyPage() const {
    if (!mTemplate)
        return true;
    for (int i = 0; i < mTemplate->PhotoBoxCount(); ++i) {
        if (mPhotos[size_t(i)])
            return false;
    }
    for (int i = 0; i < mTemplate->TextBoxCount(); ++i) {
        if (!mTexts[size_t(i)].isEmpty())
            return false;
    }
    return true;
}

bool Page::HasImageTooSmall() const {
    return std::any_of(mPhotos.begin(), mPhotos.end(),
                       [](const PhotoPtr& photo) { return photo && photo->ImageTooSmall(); });
}

QString Page::text(int index) const {
    CheckIndex(mTexts, index, "Text");
    return mTexts[size_t(index)];
}

void Page::SetText(int index, const QString& aText) {
    CheckIndex(mTexts, index, "Text");
    mTexts[size_t(index)] = aText;
    RaisePageChange();
}

void Page::TextChanged() { RaisePageChange(); }

void Page::Remeasure() {
    for (int i = 0; i < int(mPhotos.size()); ++i)
        PutPhoto(i, mPhotos[size_t(i)]);
    RaisePageChange();
}

void Page::ChangeBackground(const QString& name) {
    if (name != mBackground)
        SetBackground(name);
}

void Page::SetBackground(const QString& name) {
    mBackground = name;
    RaisePageChange();
}
