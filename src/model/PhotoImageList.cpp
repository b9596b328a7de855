#include "model/PhotoImageList.h"

#include "base/LumbraError.h"
#include "model/PhotoImage.h"

#include <QStringList>

#include <algorithm>
#include <limits>

void PhotoImageList::Add(PhotoPtr photo) {
    if (!photo)
        throw LumbraError(QStringLiteral("The photo list cannot take an empty photo"));
    if (mPhotos.size() >= size_t(std::numeric_limits<int16_t>::max()))
        throw LumbraError(QStringLiteral("The photo list is full"));
    mPhotos.push_back(std::move(photo));
}

PhotoImageList::const_iterator PhotoImageList::FindKey(const QString& key) const {
    return std::find_if(mPhotos.begin(), mPhotos.end(),
                        [&key](const PhotoPtr& photo) { return photo->GetKey() == key; });
}

PhotoImageList::PhotoPtr PhotoImageList::Find(const QString& key) const {
    const auto found = FindKey(key);
    return found == mPhotos.end() ? nullptr : *found;
}

void PhotoImageList::OrderByNames(const QStringList& names) {
    const auto place = [&names](const PhotoPtr& photo) {
        const qsizetype at = names.indexOf(photo->GetName());
        return at < 0 ? names.size() : at;
    };
    std::stable_sort(
        mPhotos.begin(), mPhotos.end(),
        [&place](const PhotoPtr& a, const PhotoPtr& b) { return place(a) < place(b); });
}

void PhotoImageList::Remove(const PhotoImage& photo) {
    const auto found = FindKey(photo.GetKey());
    if (found != mPhotos.end())
        mPhotos.erase(found);
}
